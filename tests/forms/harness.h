// What the window tests share: the main window started as the program starts
// it, a recorder that closes every message box and remembers it, and readers
// of the thermometer's drawing.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <ostream>
#include <tuple>
#include <vector>

#include "app/frmtemperature.h"
#include "ui/picture_box.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/text_box.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace harness {

struct ShownMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  int buttons;
};

// Closes each message box with OK as soon as it shows, and keeps what it said.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      shown.push_back({box->windowTitle(), box->text(), box->icon(),
                       static_cast<int>(box->buttons().size())});
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start();
  }
  std::vector<ShownMessage> shown;

 private:
  QTimer timer_;
};

struct DrawnText {
  float x, y;
  std::string text;
};

inline std::vector<DrawnText> drawnTexts(const ui::PictureBox& box) {
  std::vector<DrawnText> texts;
  for (const auto& op : box.displayList())
    if (op.kind == ui::PictureBox::Operation::Kind::Text)
      texts.push_back({op.x1, op.y1, op.text.toStdString()});
  return texts;
}

inline std::vector<ui::PictureBox::Operation> drawnBoxes(const ui::PictureBox& box) {
  std::vector<ui::PictureBox::Operation> boxes;
  for (const auto& op : box.displayList())
    if (op.kind == ui::PictureBox::Operation::Kind::FilledBox) boxes.push_back(op);
  return boxes;
}

// The main window, loaded and shown as at start-up, unloaded afterwards.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = &ui::Instance<frmtemperature>();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  }
  void TearDown() override {
    ui::Unload<frmtemperature>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Types into 'From' key by key, through its filter.
  void type(const QString& keys) { QTest::keyClicks(form->Text1, keys); }
  // Replaces the 'From' text as a paste from its context menu would.
  void paste(const QString& text) { form->Text1->setText(text); }
  void convert() { QTest::mouseClick(form->Command1, Qt::LeftButton); }
  // A left-button drag of the mercury to a height in the thermometer's units.
  void dragTo(float y) {
    for (auto [type, button, held] :
         {std::tuple{QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton},
          std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::LeftButton},
          std::tuple{QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton}}) {
      const QPointF at = form->PicTherm->toPixel({-0.03, y});
      QMouseEvent event(type, at, form->PicTherm->mapToGlobal(at), button, held, Qt::NoModifier);
      QApplication::sendEvent(form->PicTherm, &event);
    }
  }
  // Picks an entry of the decimal-places list with the mouse.
  void pickDecimalPlaces(int index) {
    auto* combo = form->Combo1;
    combo->showPopup();
    auto* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(index, 0)).center());
  }
  void enterAndConvert(const QString& text) {
    form->Text1->setText(text);
    convert();
  }

  frmtemperature* form = nullptr;
};

}  // namespace harness
