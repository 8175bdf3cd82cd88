// The main window: the input panel, the thermometer and the conversions.
#pragma once

#include <QPixmap>
#include <QRegion>
#include <cstdint>

#include "thermometer/conversion_drawing.h"
#include "ui/form.h"

class QGroupBox;
class QLabel;
namespace ui {
class ComboBox;
class CommandButton;
class Image;
class OptionButton;
class PictureBox;
class TextBox;
}  // namespace ui

class frmtemperature : public ui::Form {
  Q_OBJECT
 public:
  frmtemperature();

  // Controls, in tab order, then those that take no focus.
  ui::PictureBox* PicTherm;
  QGroupBox* Frame1;
  ui::OptionButton* Option1;
  ui::OptionButton* Option2;
  ui::ComboBox* Combo1;
  QLabel* Label1;
  QGroupBox* Frame2;
  ui::TextBox* Text1;
  ui::CommandButton* Command1;
  ui::TextBox* Text2;
  ui::CommandButton* Command2;
  ui::CommandButton* CelCmnd;
  ui::CommandButton* FarCmnd;
  QLabel* leftpicindicator;
  QLabel* rightpicindicator;
  // Title buttons, the hidden stores of their pressed pictures, and the
  // scratch store of the picture a pressed button had.
  ui::Image* QuesB;
  ui::Image* Min;
  ui::Image* CloseB;
  ui::Image* QuesHolder;
  ui::Image* MinHolder;
  ui::Image* CloseHolder;
  ui::Image* TempHolder;

  // Decimals of the numbers written into 'From' and 'To'.
  int16_t decimalPlaces = 2;
  // What the last conversion left for the next one and for the drag.
  thermometer::ScaleState scale;
  // True while the left button holds the mercury, and once it has moved it.
  bool dragging = false;
  bool dragMoved = false;

  const QPixmap& backgroundPicture() const { return backgroundPicture_; }

  // Conversions of the 'From' text, entered in Fahrenheit or in Celsius.
  void do_farenheit();
  void do_celcius();
  void do_decimalpositive();
  void do_decimalnegative();
  void do_integernegative();
  void do_celciusdecimalpositive();
  void do_celciusdecimalnegative();
  void do_celciusintegernegative();

  // Redraws for a mercury dragged to height y, one per unit and kind.
  void do_redrawpositiveinteger(float y);
  void do_redrawpositivedecimal(float y);
  void do_redrawnegativedecimal(float y);
  void do_redrawnegativeinteger(float y);
  void do_redrawcelciuspositiveinteger(float y);
  void do_redrawcelciuspositivedecimal(float y);
  void do_redrawcelciusnegativedecimal(float y);
  void do_redrawcelciusnegativeinteger(float y);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Form_Resize() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildControls();
  // The window's chrome: outline, title buttons, drag.
  void BuildWindowRegion(float horizontalScale, float verticalScale, int16_t horizontalOffset,
                         int16_t verticalOffset, QRegion& region);
  void connectChrome();
  void loadTitleBitmaps();
  void QuesB_MouseDown(int button, int shift);
  void QuesB_MouseUp(int button, int shift);
  void Min_MouseDown(int button, int shift);
  void Min_MouseUp(int button, int shift);
  void CloseB_MouseDown(int button, int shift);
  void CloseB_MouseUp(int button, int shift);
  void showHelp();
  // Where the title buttons are on the screen, which the other windows leave free.
  QRect titleButtonsOnScreen() const;
  void pressTitleButton(ui::Image& button, const ui::Image& holder);
  void releaseTitleButton(ui::Image& button);
  thermometer::ThermometerControls controls();
  void convert(thermometer::InputUnit unit, thermometer::ScaleKind kind);
  void dispatch(thermometer::InputUnit unit);
  // What the thermometer reads, said by 'From' to assistive technology.
  void shareReading();

  void Command1_Click();
  void Combo1_Click();
  void Option1_Click();
  void Option2_Click();
  void FarCmnd_Click();
  void CelCmnd_Click();
  void Command2_Click();
  // The browser's sub-topic no longer matches what the main window shows.
  void clearPresetSelection();
  void Text1_GotFocus();
  void Text1_KeyPress(int& keyAscii);
  void PicTherm_MouseDown(int button, int shift, float x, float y);
  void PicTherm_MouseMove(int button, int shift, float x, float y);
  void PicTherm_MouseUp(int button, int shift, float x, float y);
  // The keyboard's way to move the mercury.
  void PicTherm_KeyDown(int key, int shift);
  // False when it refused to move.
  bool moveMercury(float y);
  // What the thermometer now reads, announced where the focus does not move.
  void announceReading();
  void redraw(thermometer::InputUnit unit, thermometer::ScaleKind kind, float y);

  QPixmap backgroundPicture_;
};
