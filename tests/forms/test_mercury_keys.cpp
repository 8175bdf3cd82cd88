// Moving the mercury with the keyboard: a hundredth or a tenth of the scale
// from where the mercury stands, never past the ends of the scale.
#include <cmath>

#include "harness.h"

namespace {

class MercuryKeysTest : public harness::MainWindowTest {
 protected:
  void start(int direction, const char* converted) {
    TearDown();
    SetUp();
    (direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    if (converted) enterAndConvert(converted);
  }
  void press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(form->PicTherm, key);
  }
  float mercuryTop() {
    const auto boxes = harness::drawnBoxes(*form->PicTherm);
    return boxes.size() == 1 ? boxes[0].y2 : std::nanf("");
  }
};

// Many presses run into an end of the scale and stay just inside it, in
// the band where a drag moves the mercury.
TEST_F(MercuryKeysTest, KeysStepTheMercuryWithinTheScale) {
  struct Case {
    int direction;
    const char* converted;  // nullptr: nothing converted since start
    Qt::Key key;
    int times;
    float height;
    const char *from, *to;
  };
  const Case cases[] = {
      {1, "50", Qt::Key_Up, 3, -0.53f, "53.00", "11.67"},
      {1, "50", Qt::Key_PageDown, 2, -0.3f, "30.00", "-1.11"},
      {2, "100", Qt::Key_PageUp, 1, -0.2f, "200.00", "392.00"},
      {1, "-40", Qt::Key_Up, 1, -0.61f, "-39.00", "-39.44"},
      {2, "-0.5", Qt::Key_PageDown, 1, -0.4f, "-0.60", "30.92"},
      {1, "0.05", Qt::Key_Down, 1, -0.49f, "0.05", "-17.75"},
      {1, nullptr, Qt::Key_Up, 1, -0.01f, "0.01", "-17.77"},
      {1, "50", Qt::Key_PageUp, 120, -1, "100.00", "37.78"},
      {1, "50", Qt::Key_PageDown, 120, 0, "0.00", "-17.78"},
      {1, "-40", Qt::Key_PageUp, 120, -1, "0.00", "-17.78"},
      {1, "-40", Qt::Key_Down, 120, 0, "-100.00", "-73.33"},
      {1, "0", Qt::Key_Down, 1, 0, "0.00", "-17.78"},
      // Other keys leave the thermometer as the conversion drew it.
      {1, "50", Qt::Key_Left, 1, -0.5f, "50", "10.00"},
      {1, "50", Qt::Key_Home, 1, -0.5f, "50", "10.00"},
      {1, "50", Qt::Key_Return, 1, -0.5f, "50", "10.00"},
      {1, "50", Qt::Key_5, 1, -0.5f, "50", "10.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.converted ? c.converted : "start-up") << ", " << c.times
                                    << " x key " << c.key);
    start(c.direction, c.converted);
    press(c.key, c.times);
    const float top = mercuryTop();
    EXPECT_NEAR(top, c.height, 1e-6);
    EXPECT_TRUE(top > -1 && top < 0) << top;
    EXPECT_EQ(form->Text1->text(), c.from);
    EXPECT_EQ(form->Text2->text(), c.to);
    EXPECT_EQ(harness::drawnTexts(*form->PicTherm).size(), 20u);
  }
}

TEST_F(MercuryKeysTest, KeysGoOnFromTheLastDrawnMercury) {
  start(1, "50");
  dragTo(-0.25f);
  press(Qt::Key_Up);
  EXPECT_EQ(form->Text1->text(), "26.00") << "from the dragged height, not the conversion's";
  enterAndConvert("70");
  press(Qt::Key_Down);
  EXPECT_EQ(form->Text1->text(), "69.00") << "a conversion starts again from its own level";
}

TEST_F(MercuryKeysTest, TabStillLeavesTheThermometer) {
  form->PicTherm->setFocus();
  press(Qt::Key_Tab);
  EXPECT_TRUE(form->Option1->hasFocus());
}

}  // namespace
