// What the window tests share: the main window as the program starts it, a message box recorder,
// readers of what is drawn and painted, and layout checks against the twips.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <ostream>
#include <vector>

#include "app/frmtemperature.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace harness {

// Closes each message box with OK as soon as it shows, and keeps its text.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      shown.push_back(box->text());
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start();
  }
  std::vector<QString> shown;

 private:
  QTimer timer_;
};

inline std::vector<ui::PictureBox::Operation> drawnBoxes(const ui::PictureBox& box) {
  std::vector<ui::PictureBox::Operation> boxes;
  for (const auto& op : box.displayList())
    if (op.kind == ui::PictureBox::Operation::Kind::FilledBox) boxes.push_back(op);
  return boxes;
}

// What a person sees of a control: its window painted, cut to the control.
inline QImage painted(QWidget* control) {
  QWidget* window = control->window();
  return window->grab(QRect(control->mapTo(window, QPoint()), control->size())).toImage();
}

// The bounding box of all that differs from the image's bottom right pixel, its background.
inline QRect ink(const QImage& image) {
  const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

// A control as designed: its place in twips in its container, its text, font and tooltip.
struct Placed {
  QWidget* control;
  int left, top, width, height;
  QString text;
  double points;
  bool bold;
  QString tooltip = {};
};

inline void expectLayout(const std::vector<Placed>& designed) {
  for (const Placed& p : designed) {
    SCOPED_TRACE(p.control->metaObject()->className() + (" '" + p.text.toStdString() + "'"));
    EXPECT_EQ(p.control->geometry(), QRect(qRound(p.left / 15.0), qRound(p.top / 15.0),
                                           qRound(p.width / 15.0), qRound(p.height / 15.0)));
    EXPECT_TRUE(p.control->isVisible());
    const QVariant text = p.control->property("text");
    EXPECT_EQ(text.isValid() ? text.toString() : QString(), p.text);
    EXPECT_EQ(p.control->font().pointSizeF(), p.points);
    EXPECT_EQ(p.control->font().bold(), p.bold);
    EXPECT_EQ(p.control->toolTip(), p.tooltip);
  }
}

// Tab goes from each stop to the next, and from the last back to the first.
inline void expectTabOrder(const std::vector<QWidget*>& stops) {
  for (QWidget* stop : stops) {  // each shows its focus, also where no key moved it there
    stop->setFocus(Qt::MouseFocusReason);
    const QImage focused = stop->grab().toImage();
    stop->clearFocus();
    EXPECT_NE(stop->grab().toImage(), focused) << stop->metaObject()->className();
  }
  stops.front()->setFocus();
  for (std::size_t stop = 1; stop <= stops.size(); ++stop) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* got = QApplication::focusWidget();
    // A drop-down's focus may sit on its edit part.
    if (got && qobject_cast<QComboBox*>(got->parentWidget())) got = got->parentWidget();
    EXPECT_EQ(got, stops[stop % stops.size()]) << "stop " << stop;
  }
}

// Opens a drop-down and clicks its row, as a person picks.
inline void pickByMouse(QComboBox* combo, int row) {
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualRect(view->model()->index(row, 0)).center());
}

// A window loaded and shown, unloaded afterwards.
template <class Window>
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = &ui::Instance<Window>();
    form->Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  }
  void TearDown() override {
    ui::Unload<Window>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void restart() {
    TearDown();
    SetUp();
  }
  Window* form = nullptr;
};

// The main window as at start-up, and what a person does with it.
class MainWindowTest : public WindowTest<frmtemperature> {
 protected:
  void type(const QString& keys) { QTest::keyClicks(form->Text1, keys); }
  void convert() { QTest::mouseClick(form->Command1, Qt::LeftButton); }
  // 1: Fahrenheit to Celsius, 2: Celsius to Fahrenheit.
  void direction(int chosen) { (chosen == 1 ? form->Option1 : form->Option2)->setValue(true); }
  // A mouse event on the thermometer at a height in its own units.
  void mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, float y) {
    const QPointF at = form->PicTherm->toPixel({-0.03, y});
    QMouseEvent event(type, at, form->PicTherm->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(form->PicTherm, &event);
  }
  // A left-button drag of the mercury to a height in the thermometer's units.
  void dragTo(float y) {
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, y);
    mouse(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, y);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, y);
  }
  void enterAndConvert(const QString& text) {
    form->Text1->setText(text);
    convert();
  }

  // What the window shows, in a line: 'From' and 'To', the unit captions, the top of the mercury,
  // and the first and last labels of both scales.
  QString shows() const {
    QStringList texts;
    for (const auto& op : form->PicTherm->displayList())
      if (op.kind == ui::PictureBox::Operation::Kind::Text) texts << op.text;
    const auto boxes = drawnBoxes(*form->PicTherm);
    QString line = form->Text1->text() + " | " + form->Text2->text() + " | " +
                   form->leftpicindicator->text() + form->rightpicindicator->text() + " | " +
                   (boxes.size() == 1 ? QString::number(boxes[0].y2) : "no mercury");
    if (texts.size() != 20) return line + " | " + QString::number(texts.size()) + " labels";
    for (std::size_t first : {0, 10})
      line += QString(" | %1..%2").arg(texts[first], texts[first + 9]);
    return line;
  }
};

}  // namespace harness
