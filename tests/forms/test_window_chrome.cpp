// The main window's chrome as a person meets it: its outline, the title
// buttons with their pressed look and their actions, dragging the window by
// its free surface, and the browser following a minimise and a restore.
#include <QLabel>
#include <QMouseEvent>

#include "about/Form2.h"
#include "chrome/module1.h"
#include "harness.h"
#include "presets/Form1.h"
#include "ui/image.h"

using harness::MainWindowTest;

namespace {

QImage art(const char* name) {
  return QImage(QStringLiteral(":/art/%1.bmp").arg(name)).convertToFormat(QImage::Format_RGB32);
}

QImage shown(const ui::Image* image) {
  return image->picture().toImage().convertToFormat(QImage::Format_RGB32);
}

// A pointer event at a screen position, as the window system delivers it.
void sendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

struct TitleButton {
  const char* name;
  ui::Image* frmtemperature::*button;
  ui::Image* frmtemperature::*holder;
  const char* up;
  const char* down;
};

const TitleButton kTitleButtons[] = {
    {"help", &frmtemperature::QuesB, &frmtemperature::QuesHolder, "QUESUP", "QUESDOWN"},
    {"minimise", &frmtemperature::Min, &frmtemperature::MinHolder, "MINUSUP", "MINUSDOWN"},
    {"close", &frmtemperature::CloseB, &frmtemperature::CloseHolder, "XUP", "XDOWN"},
};

class WindowChromeTest : public MainWindowTest {
 protected:
  void restart() {
    ui::Unload<frmtemperature>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form = &ui::Instance<frmtemperature>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  }
  void click(ui::Image* image) {
    QTest::mousePress(image, Qt::LeftButton);
    QTest::mouseRelease(image, Qt::LeftButton);
  }
  bool browserVisible() const { return ui::IsLoaded<Form1>() && ui::Instance<Form1>().isVisible(); }
};

}  // namespace

TEST_F(WindowChromeTest, OutlineIsTheWindowsMask) {
  EXPECT_EQ(form->mask(), form->windowRegion);
  struct Pixel {
    int x, y;
    bool kept;
  };
  for (const Pixel p : {Pixel{0, 0, false}, Pixel{1, 1, false}, Pixel{63, 10, false},
                        Pixel{150, 10, false}, Pixel{209, 200, false}, Pixel{100, 327, false},
                        Pixel{100, 10, true}, Pixel{8, 200, true}, Pixel{100, 326, true}}) {
    EXPECT_EQ(form->mask().contains(QPoint(p.x, p.y)), p.kept) << p.x << ", " << p.y;
  }
}

TEST_F(WindowChromeTest, TitleButtonsAndTheirStores) {
  struct Placement {
    ui::Image* image;
    QRect pixels;
    bool visible;
    QString tooltip;
    const char* picture;
  };
  const Placement placements[] = {
      {form->QuesB, {74, 7, 19, 17}, true, "About/Help", "QUESUP"},
      {form->Min, {98, 7, 19, 17}, true, "Minimize", "MINUSUP"},
      {form->CloseB, {121, 7, 19, 17}, true, "Close", "XUP"},
      {form->QuesHolder, {112, 24, 19, 17}, false, "", "QUESDOWN"},
      {form->MinHolder, {72, 24, 19, 17}, false, "", "MINUSDOWN"},
      {form->CloseHolder, {96, 24, 19, 17}, false, "", "XDOWN"},
      {form->TempHolder, {48, 32, 17, 17}, false, "", nullptr},
  };
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.tooltip.toStdString() + " " + (p.picture ? p.picture : "TempHolder"));
    EXPECT_EQ(p.image->parentWidget(), form);
    EXPECT_EQ(p.image->geometry(), p.pixels);
    EXPECT_EQ(p.image->isVisible(), p.visible);
    EXPECT_EQ(p.image->toolTip(), p.tooltip);
    EXPECT_EQ(p.image->focusPolicy(), Qt::NoFocus);
    if (p.picture) {
      EXPECT_EQ(p.image->picture().size(), QSize(19, 17));
      EXPECT_EQ(shown(p.image), art(p.picture));
    } else {
      EXPECT_TRUE(p.image->picture().isNull());
    }
  }
}

TEST_F(WindowChromeTest, PressShowsThePressedLookAndReleaseAnywhereActs) {
  struct Release {
    const char* name;
    QPoint at;  // relative to the button
  };
  for (const TitleButton& b : kTitleButtons) {
    ASSERT_NE(art(b.up), art(b.down)) << b.name;
    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
      for (const Release release : {Release{"on it", {9, 8}}, Release{"off it", {-150, 200}}}) {
        SCOPED_TRACE(testing::Message()
                     << b.name << ", button " << mouse << ", released " << release.name);
        restart();
        ui::Image* button = form->*b.button;
        QTest::mousePress(button, mouse, {}, {9, 8});
        EXPECT_EQ(shown(button), art(b.down));
        EXPECT_EQ(shown(form->TempHolder), art(b.up));
        EXPECT_EQ(shown(form->*b.holder), art(b.down));
        EXPECT_FALSE(ui::IsLoaded<Form2>());
        EXPECT_FALSE(form->isMinimized());
        EXPECT_TRUE(ui::IsLoaded<frmtemperature>());

        QTest::mouseRelease(button, mouse, {}, release.at);
        EXPECT_EQ(shown(button), art(b.up));
        const std::string action = b.name;
        EXPECT_EQ(ui::IsLoaded<Form2>() && ui::Instance<Form2>().isVisible(), action == "help");
        EXPECT_EQ(form->isMinimized(), action == "minimise");
        EXPECT_EQ(ui::IsLoaded<frmtemperature>(), action != "close");
      }
    }
  }
}

TEST_F(WindowChromeTest, OtherButtonsDuringAHoldChangeNothing) {
  const QPoint at = form->Min->mapToGlobal(QPoint(9, 8));
  sendMouse(form->Min, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  sendMouse(form->Min, QEvent::MouseButtonPress, at, Qt::RightButton,
            Qt::LeftButton | Qt::RightButton);
  sendMouse(form->Min, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::LeftButton);
  EXPECT_EQ(shown(form->Min), art("MINUSDOWN"));
  EXPECT_EQ(shown(form->TempHolder), art("MINUSUP"));
  EXPECT_FALSE(form->isMinimized());
  sendMouse(form->Min, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(shown(form->Min), art("MINUSUP"));
  EXPECT_TRUE(form->isMinimized());
}

TEST_F(WindowChromeTest, HelpTwiceShowsOneAboutWindow) {
  click(form->QuesB);
  ASSERT_TRUE(ui::IsLoaded<Form2>());
  Form2* first = &ui::Instance<Form2>();
  click(form->QuesB);
  EXPECT_EQ(&ui::Instance<Form2>(), first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(first->isModal());
  // The main window, the browser loaded at start-up, and one about window.
  EXPECT_EQ(ui::Form::loadedCount(), 3);
}

TEST_F(WindowChromeTest, BrowserFollowsMinimiseAndRestore) {
  struct Case {
    const char* name;
    std::function<void(frmtemperature*)> before;
    bool shownAfterRestore;
  };
  const Case cases[] = {
      {"shown from List", [](frmtemperature* f) { f->Command2->click(); }, true},
      {"closed by the user",
       [](frmtemperature* f) {
         f->Command2->click();
         ui::Instance<Form1>().close();
         QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
       },
       false},
      {"never shown", [](frmtemperature*) {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    c.before(form);
    click(form->Min);
    EXPECT_TRUE(form->isMinimized());
    EXPECT_FALSE(browserVisible());
    // Minimising hides the browser; it does not close it.
    EXPECT_EQ(Module1::browserShown, c.shownAfterRestore ? 1 : 0);

    // The window manager restores the window (from the task bar).
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_EQ(browserVisible(), c.shownAfterRestore);
  }
}

TEST_F(WindowChromeTest, CloseUnloadsEveryWindowAndEndsTheProgram) {
  int ended = 0;
  ui::Form::setLastUnloadedHandler([&] { ++ended; });
  form->Command2->click();
  click(form->QuesB);
  ASSERT_EQ(ui::Form::loadedCount(), 3);

  click(form->CloseB);
  EXPECT_TRUE(form->windowRegion.isEmpty());
  EXPECT_EQ(ui::Form::loadedCount(), 0);
  EXPECT_FALSE(ui::IsLoaded<frmtemperature>());
  EXPECT_FALSE(ui::IsLoaded<Form1>());
  EXPECT_FALSE(ui::IsLoaded<Form2>());
  EXPECT_EQ(Module1::browserShown, 0);
  EXPECT_EQ(ended, 1);
  ui::Form::setLastUnloadedHandler({});
}

TEST_F(WindowChromeTest, OnlyTheFreeSurfaceDragsTheWindow) {
  struct Case {
    const char* name;
    QPoint at;
    Qt::MouseButton button;
    bool moves;
  };
  const Case cases[] = {
      {"background", {8, 200}, Qt::LeftButton, true},
      {"tab above the panel", {100, 3}, Qt::LeftButton, true},
      {"background, right button", {8, 200}, Qt::RightButton, true},
      {"label", {70, 110}, Qt::LeftButton, false},
      {"unit label", {140, 30}, Qt::LeftButton, false},
      {"frame", {90, 60}, Qt::LeftButton, false},
      {"thermometer", {150, 200}, Qt::LeftButton, false},
      {"List button", {50, 265}, Qt::LeftButton, false},
  };
  const QPoint path[] = {{15, 10}, {-20, 30}, {40, 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    const QPoint start = form->pos();
    QWidget* target = form->childAt(c.at) ? form->childAt(c.at) : form;
    ASSERT_EQ(target == form, c.moves) << target->metaObject()->className();
    const QPoint pressed = form->mapToGlobal(c.at);
    sendMouse(target, QEvent::MouseButtonPress, pressed, c.button, c.button);
    for (const QPoint step : path) {
      sendMouse(target, QEvent::MouseMove, pressed + step, Qt::NoButton, c.button);
    }
    sendMouse(target, QEvent::MouseButtonRelease, pressed + path[2], c.button, Qt::NoButton);
    EXPECT_EQ(form->pos(), c.moves ? start + path[2] : start);

    // Once released, the pointer moves on alone.
    sendMouse(form, QEvent::MouseMove, pressed + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form->pos(), c.moves ? start + path[2] : start);
  }
}
