// The main window's chrome as a person meets it: the title buttons with their
// pressed look and their actions, dragging the window by its free surface,
// and the browser following a minimise and a restore.
#include <QAccessible>

#include "about/Form2.h"
#include "harness.h"
#include "presets/Form1.h"
#include "ui/image.h"

using harness::MainWindowTest;

namespace {

QImage art(const char* name) {
  return QImage(QStringLiteral(":/art/%1.bmp").arg(name)).convertToFormat(QImage::Format_RGB32);
}

// Which of the two pictures an image shows.
std::string look(const ui::Image* image, const char* up, const char* down) {
  const QImage shown = image->picture().toImage().convertToFormat(QImage::Format_RGB32);
  return shown == art(up) ? up : shown == art(down) ? down : "neither";
}

std::string xy(QPoint point) {
  return std::to_string(point.x()) + ", " + std::to_string(point.y());
}

// A pointer event at a screen position, as the window system delivers it.
void sendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

class WindowChromeTest : public MainWindowTest {
 protected:
  void restart() {
    TearDown();
    SetUp();
  }
  bool browserVisible() const { return ui::IsLoaded<Form1>() && ui::Instance<Form1>().isVisible(); }
  // What the title buttons have done: about shown, window minimised, closed.
  std::tuple<bool, bool, bool> actions() const {
    const bool closed = !ui::IsLoaded<frmtemperature>();
    return {ui::IsLoaded<Form2>() && ui::Instance<Form2>().isVisible(),
            !closed && form->isMinimized(), closed};
  }
};

}  // namespace

TEST_F(WindowChromeTest, TitleButtonsLookPressedWhileHeldAndActOnTheLastRelease) {
  struct TitleButton {
    ui::Image* frmtemperature::*button;
    const char *up, *down;
    std::tuple<bool, bool, bool> acted;
  };
  const TitleButton buttons[] = {
      {&frmtemperature::QuesB, "QUESUP", "QUESDOWN", {true, false, false}},
      {&frmtemperature::Min, "MINUSUP", "MINUSDOWN", {false, true, false}},
      {&frmtemperature::CloseB, "XUP", "XDOWN", {false, false, true}},
  };
  const std::tuple<bool, bool, bool> nothing{false, false, false};
  for (const TitleButton& b : buttons) {
    ASSERT_NE(art(b.up), art(b.down)) << b.up;
    for (const Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
      const Qt::MouseButton other = mouse == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
      for (const QPoint releasedAt : {QPoint(9, 8), QPoint(-150, 200)}) {
        SCOPED_TRACE(testing::Message() << b.up << ", button " << mouse << ", released at "
                                        << releasedAt.x() << "," << releasedAt.y());
        restart();
        ui::Image* button = form->*b.button;
        EXPECT_EQ(look(button, b.up, b.down), b.up);
        const QPoint at = button->mapToGlobal(QPoint(9, 8));
        sendMouse(button, QEvent::MouseButtonPress, at, mouse, mouse);
        EXPECT_EQ(look(button, b.up, b.down), b.down);
        // A second button pressed and let go during the hold changes nothing.
        sendMouse(button, QEvent::MouseButtonPress, at, other, mouse | other);
        sendMouse(button, QEvent::MouseButtonRelease, at, other, mouse);
        EXPECT_EQ(look(button, b.up, b.down), b.down);
        EXPECT_EQ(actions(), nothing);

        sendMouse(button, QEvent::MouseButtonRelease, button->mapToGlobal(releasedAt), mouse,
                  Qt::NoButton);
        EXPECT_EQ(look(button, b.up, b.down), b.up);
        EXPECT_EQ(actions(), b.acted);
      }
    }
    // Assistive technology presses it as one click.
    restart();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form->*b.button);
    ASSERT_TRUE(face && face->actionInterface()) << b.up;
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_GE(QAccessible::queryAccessibleInterface(form)->indexOfChild(face), 0) << "reachable";
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(actions(), b.acted) << b.up;
  }
  // The hidden stores of the pressed pictures are no buttons.
  restart();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->QuesHolder)->role(), QAccessible::Graphic);
}

TEST_F(WindowChromeTest, BrowserFollowsMinimiseAndRestore) {
  for (const bool closedByUser : {false, true}) {
    SCOPED_TRACE(closedByUser ? "browser closed by the user" : "browser shown from List");
    restart();
    form->Command2->click();
    if (closedByUser) ui::Instance<Form1>().close();
    QTest::mouseClick(form->Min, Qt::LeftButton);
    EXPECT_TRUE(form->isMinimized());
    EXPECT_FALSE(browserVisible());
    // The window manager restores the window (from the task bar).
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    EXPECT_EQ(browserVisible(), !closedByUser);
  }
}

TEST_F(WindowChromeTest, CloseUnloadsEveryWindowAndEndsTheProgramOnce) {
  int ended = 0;
  ui::Form::setLastUnloadedHandler([&] { ++ended; });
  form->Command2->click();
  QTest::mouseClick(form->QuesB, Qt::LeftButton);
  QTest::mouseClick(form->QuesB, Qt::LeftButton);
  // The main window, its browser, and one modeless about window.
  ASSERT_EQ(ui::Form::loadedCount(), 3);
  EXPECT_FALSE(ui::Instance<Form2>().isModal());
  form->Text1->setText("12");
  QTest::mouseClick(form->CloseB, Qt::LeftButton);
  EXPECT_EQ(ui::Form::loadedCount(), 0);
  EXPECT_FALSE(ui::IsLoaded<frmtemperature>() || ui::IsLoaded<Form1>() || ui::IsLoaded<Form2>());
  EXPECT_EQ(ended, 1);
  ui::Form::setLastUnloadedHandler({});

  // The next reference makes a fresh window with start-up values.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  form = &ui::Instance<frmtemperature>();
  EXPECT_EQ(form->Text1->text(), "0");
}

TEST_F(WindowChromeTest, OnlyTheFreeSurfaceDragsTheWindow) {
  // Where the press is, with which button, and how far the pointer goes:
  // the whole path, or a tenth of it, which stays within the drag distance.
  const std::tuple<const char*, QPoint, Qt::MouseButton, int, bool> cases[] = {
      {"background", {8, 200}, Qt::LeftButton, 1, true},
      {"background, right button", {8, 200}, Qt::RightButton, 1, true},
      {"background, a wobble", {8, 200}, Qt::LeftButton, 10, false},
      {"frame", {90, 60}, Qt::LeftButton, 1, false},
      {"thermometer", {150, 200}, Qt::LeftButton, 1, false},
      {"List button", {50, 265}, Qt::LeftButton, 1, false},
  };
  const QPoint path[] = {{15, 10}, {-20, 30}, {40, 25}};
  for (const auto& [name, at, button, shrink, moves] : cases) {
    SCOPED_TRACE(name);
    restart();
    const QPoint start = form->pos();
    QWidget* target = form->childAt(at) ? form->childAt(at) : form;
    ASSERT_EQ(target == form, moves || shrink > 1) << target->metaObject()->className();
    const QPoint pressed = form->mapToGlobal(at);
    sendMouse(target, QEvent::MouseButtonPress, pressed, button, button);
    for (const QPoint step : path)
      sendMouse(target, QEvent::MouseMove, pressed + step / shrink, Qt::NoButton, button);
    sendMouse(target, QEvent::MouseButtonRelease, pressed + path[2] / shrink, button, Qt::NoButton);
    const QPoint end = moves ? start + path[2] : start;
    EXPECT_EQ(xy(form->pos()), xy(end));
    // Once released, the pointer moves on alone.
    sendMouse(form, QEvent::MouseMove, pressed + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(xy(form->pos()), xy(end));
  }
}
