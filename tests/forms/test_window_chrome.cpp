// The main window's chrome as a person meets it: the title buttons with their
// pressed look and their actions, dragging the window by its free surface,
// and the browser following a minimise and a restore.
#include <QAccessible>

#include "about/Form2.h"
#include "harness.h"
#include "presets/Form1.h"
#include "ui/image.h"

namespace {

// A pointer event at a screen position, as the window system delivers it.
void sendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

class WindowChromeTest : public harness::MainWindowTest {
 protected:
  bool browserVisible() const { return ui::IsLoaded<Form1>() && ui::Instance<Form1>().isVisible(); }
  // What the title buttons have done: about shown, window minimised, closed.
  std::tuple<bool, bool, bool> actions() const {
    const bool closed = !ui::IsLoaded<frmtemperature>();
    return {ui::IsLoaded<Form2>() && ui::Instance<Form2>().isVisible(),
            !closed && form->isMinimized(), closed};
  }
};

// Any button shows the pressed picture while held; the release runs the
// action wherever it happens. Assistive technology presses it as one click.
TEST_F(WindowChromeTest, TitleButtonsLookPressedWhileHeldAndActOnTheRelease) {
  const std::tuple<ui::Image * frmtemperature::*, const char*, const char*, Qt::MouseButton,
                   std::tuple<bool, bool, bool>>
      buttons[] = {
          {&frmtemperature::QuesB, "QUESUP", "QUESDOWN", Qt::LeftButton, {true, false, false}},
          {&frmtemperature::Min, "MINUSUP", "MINUSDOWN", Qt::RightButton, {false, true, false}},
          {&frmtemperature::CloseB, "XUP", "XDOWN", Qt::LeftButton, {false, false, true}},
      };
  const auto shows = [](ui::Image* image, const char* name) {
    const QImage art = QImage(QString(":/art/%1.bmp").arg(name));
    return harness::painted(image).copy(art.rect()) == art.convertToFormat(QImage::Format_RGB32);
  };
  for (const auto& [member, up, down, mouse, acted] : buttons) {
    SCOPED_TRACE(up);
    restart();
    ui::Image* button = form->*member;
    EXPECT_TRUE(shows(button, up));
    const QPoint at = button->mapToGlobal(QPoint(9, 8));
    sendMouse(button, QEvent::MouseButtonPress, at, mouse, mouse);
    EXPECT_TRUE(shows(button, down));
    EXPECT_EQ(actions(), std::tuple(false, false, false));
    sendMouse(button, QEvent::MouseButtonRelease, at + QPoint(-150, 200), mouse, Qt::NoButton);
    if (!std::get<2>(acted)) {
      EXPECT_TRUE(shows(button, up));
    }
    EXPECT_EQ(actions(), acted);
    restart();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form->*member);
    ASSERT_TRUE(face && face->actionInterface());
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(actions(), acted);
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

TEST_F(WindowChromeTest, OnlyTheFreeSurfaceDragsTheWindow) {
  const std::tuple<const char*, QPoint, Qt::MouseButton, bool> cases[] = {
      {"background", {8, 200}, Qt::LeftButton, true},
      {"background, right button", {8, 200}, Qt::RightButton, true},
      {"frame", {90, 60}, Qt::LeftButton, false},
      {"thermometer", {150, 200}, Qt::LeftButton, false},
      {"List button", {50, 265}, Qt::LeftButton, false},
  };
  const QPoint path[] = {{15, 10}, {-20, 30}, {40, 25}};
  for (const auto& [name, at, button, moves] : cases) {
    SCOPED_TRACE(name);
    restart();
    const QPoint start = form->pos();
    QWidget* target = form->childAt(at) ? form->childAt(at) : form;
    ASSERT_EQ(target == form, moves) << target->metaObject()->className();
    // Twice, from another spot the second time: each drag starts where the
    // pointer is pressed and ends with the release.
    for (int drag = 1; drag <= 2; ++drag) {
      const QPoint pressed = form->mapToGlobal(drag == 2 && moves ? QPoint(205, 300) : at);
      sendMouse(target, QEvent::MouseButtonPress, pressed, button, button);
      for (const QPoint step : path)
        sendMouse(target, QEvent::MouseMove, pressed + step, Qt::NoButton, button);
      sendMouse(target, QEvent::MouseButtonRelease, pressed + path[2], button, Qt::NoButton);
      EXPECT_EQ(form->pos(), moves ? start + drag * path[2] : start) << "drag " << drag;
    }
  }
}

}  // namespace
