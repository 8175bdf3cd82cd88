// The "Useful Temperatures" browser: categories on the left, their
// sub-topics (or the description of the two scales) on the right; choosing a
// sub-topic puts its value into the main window and converts it.
#pragma once

#include "ui/form.h"

class QTextEdit;
namespace ui {
class ListBox;
}  // namespace ui

class Form1 : public ui::Form {
  Q_OBJECT
 public:
  Form1();

  ui::ListBox* List1;
  ui::ListBox* List2;
  // The description of the two scales; made when first shown.
  QTextEdit* RichTextBox1 = nullptr;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  // Centred on the monitor, a little below its middle.
  void placeOn(const QRect& monitor) override;

 private:
  void list1_Click();
  void List2_Click();
  void describeChosen(const QString& reading);
  QTextEdit& scalesBox();
};
