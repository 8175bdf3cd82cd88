// The main window's own chrome: its rounded outline, the help, minimise and
// close title buttons with their pressed look, dragging by the free surface,
// and the browser following the window when it is minimised and restored.
#include <QApplication>
#include <QShortcut>

#include "about/Form2.h"
#include "app/frmtemperature.h"
#include "chrome/module1.h"
#include "chrome/on_screen.h"
#include "chrome/window_drag.h"
#include "chrome/window_mask.h"
#include "chrome/window_region.h"
#include "presets/Form1.h"
#include "ui/image.h"
#include "ui/resource_bitmap.h"
#include "ui/twips.h"

void frmtemperature::connectChrome() {
  QuesB->onMouseDown = [this](int b, int s) { QuesB_MouseDown(b, s); };
  QuesB->onMouseUp = [this](int b, int s) { QuesB_MouseUp(b, s); };
  Min->onMouseDown = [this](int b, int s) { Min_MouseDown(b, s); };
  Min->onMouseUp = [this](int b, int s) { Min_MouseUp(b, s); };
  CloseB->onMouseDown = [this](int b, int s) { CloseB_MouseDown(b, s); };
  CloseB->onMouseUp = [this](int b, int s) { CloseB_MouseUp(b, s); };
  // However far it is dragged, the title buttons stay in reach.
  new chrome::WindowDrag(this, QuesB->geometry().united(CloseB->geometry()));
  // Whatever becomes of the monitors, no window of the program is lost.
  chrome::keepWindowsOnMonitors(this, [this] { return titleButtonsOnScreen(); });
  // F1, the usual help key, does what the help button does, from any window.
  auto* help = new QShortcut(QKeySequence::HelpContents, this, [this] { showHelp(); });
  help->setContext(Qt::ApplicationShortcut);
}

// Qt keeps logical pixels at 15 twips and scales to the device itself, so
// the outline is built in logical pixels.
void frmtemperature::BuildWindowRegion(float horizontalScale, float verticalScale,
                                       int16_t horizontalOffset, int16_t verticalOffset,
                                       QRegion& region) {
  const chrome::OutlinePieces pieces =
      chrome::outlinePieces(horizontalScale, verticalScale, horizontalOffset, verticalOffset,
                            ui::kTwipsPerPixel, ui::kTwipsPerPixel);
  region = chrome::regionOf(chrome::outlineSpans(pieces));
}

void frmtemperature::loadTitleBitmaps() {
  QuesB->setPicture(ui::LoadResBitmap(QStringLiteral("QUESUP")));
  QuesHolder->setPicture(ui::LoadResBitmap(QStringLiteral("QUESDOWN")));
  Min->setPicture(ui::LoadResBitmap(QStringLiteral("MINUSUP")));
  MinHolder->setPicture(ui::LoadResBitmap(QStringLiteral("MINUSDOWN")));
  CloseB->setPicture(ui::LoadResBitmap(QStringLiteral("XUP")));
  CloseHolder->setPicture(ui::LoadResBitmap(QStringLiteral("XDOWN")));
}

// A held button shows its pressed picture; the released one waits in
// TempHolder until the button is let go.
void frmtemperature::pressTitleButton(ui::Image& button, const ui::Image& holder) {
  TempHolder->setPicture(button.picture());
  button.setPicture(holder.picture());
}

void frmtemperature::releaseTitleButton(ui::Image& button) {
  button.setPicture(TempHolder->picture());
}

void frmtemperature::QuesB_MouseDown(int, int) { pressTitleButton(*QuesB, *QuesHolder); }

void frmtemperature::QuesB_MouseUp(int, int) {
  releaseTitleButton(*QuesB);
  showHelp();
}

void frmtemperature::showHelp() {
  QWidget* from = QApplication::activeWindow();
  Form2& about = ui::Instance<Form2>();
  if (from != &about) about.openedFrom = from;
  about.ShowBy(*this, titleButtonsOnScreen());
  // The keyboard goes where the user asked to be.
  about.activateWindow();
}

QRect frmtemperature::titleButtonsOnScreen() const {
  return QRect(QuesB->mapToGlobal(QPoint(0, 0)),
               CloseB->mapToGlobal(QPoint(CloseB->width() - 1, CloseB->height() - 1)));
}

void frmtemperature::Min_MouseDown(int, int) { pressTitleButton(*Min, *MinHolder); }

void frmtemperature::Min_MouseUp(int, int) {
  releaseTitleButton(*Min);
  showMinimized();
  // Hidden, not unloaded: restoring the window brings it back.
  if (Module1::browserShown == 1) ui::Instance<Form1>().Hide();
}

void frmtemperature::CloseB_MouseDown(int, int) { pressTitleButton(*CloseB, *CloseHolder); }

void frmtemperature::CloseB_MouseUp(int, int) {
  releaseTitleButton(*CloseB);
  Unload();
}

void frmtemperature::Form_Resize() {
  if (!isMinimized() && Module1::browserShown == 1) ui::Instance<Form1>().Show();
}
