// The main window's chrome as a person meets it: the title buttons with their pressed look and
// their actions, and dragging the window by its free surface.
#include <QAccessible>

#include "about/Form2.h"
#include "harness.h"
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
  // What the title buttons have done: about shown, window minimised, closed.
  std::tuple<bool, bool, bool> actions() const {
    const bool closed = !ui::IsLoaded<frmtemperature>();
    return {ui::IsLoaded<Form2>() && ui::Instance<Form2>().isVisible(),
            !closed && form->isMinimized(), closed};
  }
};

// Any button shows the pressed picture while held; the release runs the action wherever it happens.
// Assistive technology presses it as one click.
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
    EXPECT_TRUE(std::get<2>(acted) || shows(button, up));
    EXPECT_EQ(actions(), acted);
    restart();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form->*member);
    ASSERT_TRUE(face && face->actionInterface());
    EXPECT_EQ(std::tuple(face->role(), face->text(QAccessible::Description),
                         face->actionInterface()->actionNames()),
              std::tuple(QAccessible::Button, (form->*member)->toolTip(),
                         QStringList{QAccessibleActionInterface::pressAction()}));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(actions(), acted);
  }
}

// About opens where it leaves the title buttons free: here a row of them reaches into its frame,
// and it opens one row lower.
TEST_F(WindowChromeTest, AboutOpensClearOfTheTitleButtons) {
  const auto help = [this] {
    QAccessible::queryAccessibleInterface(form->QuesB)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    return ui::Instance<Form2>().frameGeometry();
  };
  const QRect designed = help();
  ui::Instance<Form2>().Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const QPoint corner = form->QuesB->mapToGlobal(QPoint(0, form->QuesB->height() - 1));
  form->move(form->pos() + QPoint(designed.center().x(), designed.top()) - corner);
  EXPECT_EQ(help(), designed.translated(0, 1));
}

TEST_F(WindowChromeTest, OnlyTheFreeSurfaceDragsTheWindow) {
  // Where the press is, with which button, and how far the pointer goes: the whole path, or a tenth
  // of it, which stays within the drag distance.
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
    for (const QPoint step : path) {  // followed from the first step past the drag distance
      sendMouse(target, QEvent::MouseMove, pressed + step / shrink, Qt::NoButton, button);
      EXPECT_EQ(form->pos(), moves ? start + step : start);
    }
    sendMouse(target, QEvent::MouseButtonRelease, pressed + path[2] / shrink, button, Qt::NoButton);
    const QPoint end = moves ? start + path[2] : start;
    EXPECT_EQ(form->pos(), end);
    // Once released, the pointer moves on alone.
    sendMouse(form, QEvent::MouseMove, pressed + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form->pos(), end);
  }
}

}  // namespace
