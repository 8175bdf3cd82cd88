// Moving the mercury with the mouse or the keyboard: the values at its height on the scale the last
// conversion left, and what never starts, ends or changes a drag.
#include <cmath>

#include "harness.h"

namespace {

using MercuryTest = harness::MainWindowTest;
constexpr auto kPress = QEvent::MouseButtonPress, kMove = QEvent::MouseMove,
               kRelease = QEvent::MouseButtonRelease;

// The scale stays the last conversion's, also once the direction changed: its numbers, other unit.
TEST_F(MercuryTest, DragShowsTheValuesAtThePointerOnTheLastScale) {
  // Converted (none: nothing since start) in one direction, dragged in another to a height, and
  // what the window then shows.
  // clang-format off
  const std::tuple<const char*, int, int, float, const char*> cases[] = {
      {"50", 1, 1, -0.25f, "25.00 | -3.89 | °F°C | -0.25 | 10..100 | -12.2..37.8"},
      {"50", 1, 2, -0.25f, "25.00 | 77.00 | °C°F | -0.25 | 10..100 | 50.0..212.0"},
      {nullptr, 1, 1, -0.5f, "0.50 | -17.50 | °F°C | -0.5 |  0.1.. 1 | -17.7222..-17.2222"},
      {"0.05", 2, 2, -0.3f, "0.03 | 32.05 | °C°F | -0.3 |  0.01.. 0.1 | 32.0180..32.1800"},
      {"-0.5", 1, 1, -0.75f, "-0.25 | -17.92 | °F°C | -0.75 |  0..-0.9 | -17.7778..-18.2778"},
      {"-0.5", 1, 2, -0.75f, "-0.25 | 31.55 | °C°F | -0.75 |  0..-0.9 | 32.0000..30.3800"},
      {"-0.05", 1, 1, -0.25f, "-0.08 | -17.82 | °F°C | -0.25 |  0..-0.09 | -17.7778..-17.8278"},
  };
  // clang-format on
  for (const auto& [converted, convertedIn, draggedIn, y, expected] : cases) {
    restart();
    direction(convertedIn);
    if (converted) enterAndConvert(converted);
    direction(draggedIn);
    dragTo(y);
    EXPECT_EQ(shows(), expected);
  }
}

TEST_F(MercuryTest, OnlyTheLeftButtonHeldInsideTheBandDrags) {
  enterAndConvert("50");
  const auto at = [this](float x, float y) { return form->PicTherm->toPixel({x, y}).toPoint(); };
  QTest::mousePress(form->PicTherm, Qt::LeftButton, {}, at(-0.03f, -0.5f));
  EXPECT_EQ(form->Text1->text(), "50") << "a press alone draws nothing";
  for (const float outside : {-1.0f, -1.1f, 0.0f, 0.2f}) {
    mouse(kMove, Qt::NoButton, Qt::LeftButton, outside);
    EXPECT_EQ(form->Text1->text(), "50") << outside;
  }
  // Moves come while the button is held, also far outside the thermometer; only the height counts.
  QTest::mouseMove(form->PicTherm, at(-4, -0.4f));
  const QString outside = form->Text1->text();
  QTest::mouseMove(form->PicTherm, at(-0.03f, -0.4f));
  EXPECT_EQ(form->Text1->text(), outside);
  EXPECT_NE(outside, "50");
  // The right button neither ends nor starts a drag.
  mouse(kPress, Qt::RightButton, Qt::RightButton | Qt::LeftButton, -0.5f);
  mouse(kRelease, Qt::RightButton, Qt::LeftButton, -0.5f);
  mouse(kMove, Qt::NoButton, Qt::LeftButton, -0.3f);
  EXPECT_EQ(form->Text1->text(), "30.00");
  QTest::mouseRelease(form->PicTherm, Qt::LeftButton, {}, at(-0.03f, -0.3f));
  mouse(kPress, Qt::RightButton, Qt::RightButton, -0.5f);
  mouse(kMove, Qt::NoButton, Qt::RightButton, -0.2f);
  EXPECT_EQ(form->Text1->text(), "30.00");
  EXPECT_FLOAT_EQ(harness::drawnBoxes(*form->PicTherm).at(0).y2, -0.3f);
  // From °C a 'From' that is no number refuses the drag, once, and 'From' gets the focus to mend.
  harness::MessageBoxRecorder refusals;
  direction(2);
  form->Text1->setText("1.2.3");
  form->Combo1->setFocus();
  dragTo(-0.5f);
  ASSERT_EQ(refusals.shown.size(), 1u);
  EXPECT_TRUE(refusals.shown[0].startsWith("Please enter a valid number for temperature."));
  EXPECT_EQ(form->focusWidget(), form->Text1);
  EXPECT_EQ(form->Text1->text(), "1.2.3");
}

// Up and Down a hundredth of the scale, Page Up and Page Down a tenth, from where the mercury
// stands; never past the ends, where a drag stops too.
TEST_F(MercuryTest, KeysStepTheMercuryWithinTheScale) {
  // Each key in turn, and what 'From' and 'To' then show; other keys change nothing.
  const std::pair<Qt::Key, const char*> steps[] = {
      {Qt::Key_Up, "0.01 | -17.77"},   {Qt::Key_PageUp, "0.11 | -17.72"},
      {Qt::Key_Down, "0.10 | -17.72"}, {Qt::Key_PageDown, "0.00 | -17.78"},
      {Qt::Key_Left, "0.00 | -17.78"}, {Qt::Key_5, "0.00 | -17.78"}};
  for (const auto& [key, shown] : steps) {
    QTest::keyClick(form->PicTherm, key);
    EXPECT_EQ(form->Text1->text() + " | " + form->Text2->text(), shown) << key;
  }
  for (const auto& [key, top] : {std::pair{Qt::Key_PageUp, -1.0f}, {Qt::Key_Down, 0.0f}}) {
    for (int i = 0; i < 120; ++i) QTest::keyClick(form->PicTherm, key);
    const float y = harness::drawnBoxes(*form->PicTherm).at(0).y2;
    EXPECT_TRUE(y > -1 && y < 0 && std::fabs(y - top) < 1e-6) << y;
  }
  // From the dragged height, not the conversion's; a conversion starts again from its own level.
  direction(2);
  enterAndConvert("-40");
  dragTo(-0.25f);
  QTest::keyClick(form->PicTherm, Qt::Key_Up);
  EXPECT_EQ(form->Text1->text(), "-74.00");
  enterAndConvert("70");
  QTest::keyClick(form->PicTherm, Qt::Key_PageDown);
  EXPECT_EQ(form->Text1->text(), "60.00");
}

}  // namespace
