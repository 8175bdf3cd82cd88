// Moving the mercury with the keyboard: the same texts and drawing as a drag
// to the same height, from where the mercury stands, never past the ends of
// the scale, and the same refusal.
#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

#include "harness.h"

namespace {

struct Shown {
  QString from, to, left, right, description;
  std::vector<std::string> labels;
  float mercuryTop;
};

class MercuryKeysTest : public harness::MainWindowTest {
 protected:
  void restart() {
    TearDown();
    SetUp();
  }
  void keys(std::initializer_list<Qt::Key> pressed) {
    for (Qt::Key key : pressed) QTest::keyClick(form->PicTherm, key);
  }
  void start(int direction, const char* converted) {
    restart();
    (direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    if (converted) enterAndConvert(converted);
  }
  Shown shown() {
    Shown s{form->Text1->text(),
            form->Text2->text(),
            form->leftpicindicator->text(),
            form->rightpicindicator->text(),
            QAccessible::queryAccessibleInterface(form->PicTherm)->text(QAccessible::Description),
            {},
            std::nanf("")};
    for (const auto& t : harness::drawnTexts(*form->PicTherm)) s.labels.push_back(t.text);
    const auto boxes = harness::drawnBoxes(*form->PicTherm);
    if (boxes.size() == 1) s.mercuryTop = boxes[0].y2;
    return s;
  }
};

TEST_F(MercuryKeysTest, KeysShowWhatADragToTheSameHeightShows) {
  struct Case {
    int direction;
    const char* converted;  // nullptr: nothing converted since start
    std::initializer_list<Qt::Key> pressed;
    float height;  // where the mercury ends up
    const char* from;
    const char* to;
  };
  const Case cases[] = {
      {1, "50", {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}, -0.53f, "53.00", "11.67"},
      {1, "50", {Qt::Key_PageDown, Qt::Key_PageDown}, -0.3f, "30.00", "-1.11"},
      {1, "50", {Qt::Key_PageUp, Qt::Key_Down}, -0.59f, "59.00", "15.00"},
      {2, "100", {Qt::Key_PageUp}, -0.2f, "200.00", "392.00"},
      {1, "-40", {Qt::Key_Up}, -0.61f, "-39.00", "-39.44"},
      {2, "-0.5", {Qt::Key_PageDown}, -0.4f, "-0.60", "30.92"},
      {1, "0.05", {Qt::Key_Down}, -0.49f, "0.05", "-17.75"},
      {1, nullptr, {Qt::Key_Up}, -0.01f, "0.01", "-17.77"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.converted ? c.converted : "start-up") << ", "
                                    << c.pressed.size() << " keys");
    start(c.direction, c.converted);
    keys(c.pressed);
    const Shown byKeys = shown();
    EXPECT_NEAR(byKeys.mercuryTop, c.height, 1e-6);
    EXPECT_EQ(byKeys.from, c.from);
    EXPECT_EQ(byKeys.to, c.to);

    start(c.direction, c.converted);
    dragTo(byKeys.mercuryTop);
    const Shown byDrag = shown();
    EXPECT_EQ(byKeys.mercuryTop, byDrag.mercuryTop);
    EXPECT_EQ(byKeys.from, byDrag.from);
    EXPECT_EQ(byKeys.to, byDrag.to);
    EXPECT_EQ(byKeys.left, byDrag.left);
    EXPECT_EQ(byKeys.right, byDrag.right);
    EXPECT_EQ(byKeys.labels, byDrag.labels);
    EXPECT_EQ(byKeys.description, byDrag.description);
  }
}

TEST_F(MercuryKeysTest, KeysGoOnFromTheLastDrawnMercury) {
  start(1, "50");
  dragTo(-0.25f);
  keys({Qt::Key_Up});
  EXPECT_EQ(form->Text1->text(), "26.00") << "from the dragged height, not the conversion's";
  enterAndConvert("70");
  keys({Qt::Key_Down});
  EXPECT_EQ(form->Text1->text(), "69.00") << "a conversion starts again from its own level";
}

TEST_F(MercuryKeysTest, MercuryNeverLeavesTheScale) {
  struct Case {
    const char* converted;
    Qt::Key key;
    const char* from;  // at the end of the scale the key runs into
  };
  const Case cases[] = {
      {"50", Qt::Key_PageUp, "100.00"}, {"50", Qt::Key_PageDown, "0.00"},
      {"-40", Qt::Key_PageUp, "0.00"},  {"-40", Qt::Key_Down, "-100.00"},
      {"0", Qt::Key_Down, "0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.converted << ", key " << c.key);
    start(1, c.converted);
    for (int i = 0; i < 120; ++i) {
      QTest::keyClick(form->PicTherm, c.key);
      const float top = shown().mercuryTop;
      ASSERT_TRUE(top > -1.0f && top < 0.0f) << top << " after " << i + 1 << " presses";
    }
    EXPECT_EQ(form->Text1->text(), c.from);
  }
}

TEST_F(MercuryKeysTest, CelsiusRefusesAFromTextThatIsNoNumberAsADragDoes) {
  start(1, "50");
  form->Option2->setValue(true);
  form->Text1->setText("abc");
  const Shown before = shown();
  harness::MessageBoxRecorder boxes;
  keys({Qt::Key_Up});
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Data");
  EXPECT_EQ(boxes.shown[0].text,
            "Please enter a valid number for temperature. Place negative sign\n"
            "only at beginning of number, and use only one decimal point.");
  const Shown after = shown();
  EXPECT_EQ(after.from, "abc");
  EXPECT_EQ(after.labels, before.labels);
  EXPECT_EQ(after.mercuryTop, before.mercuryTop);
  EXPECT_EQ(after.left, before.left) << "captions untouched";
  EXPECT_EQ(form->focusWidget(), form->Text1) << "the focus goes back to 'From'";
}

TEST_F(MercuryKeysTest, OtherKeysLeaveTheThermometerAlone) {
  start(1, "50");
  const Shown before = shown();
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Space,
                      Qt::Key_Return, Qt::Key_A, Qt::Key_5}) {
    QTest::keyClick(form->PicTherm, key);
    EXPECT_EQ(shown().from, before.from) << key;
    EXPECT_EQ(shown().mercuryTop, before.mercuryTop) << key;
  }
  // Tab still leaves the thermometer for the next control.
  form->PicTherm->setFocus();
  QTest::keyClick(form->PicTherm, Qt::Key_Tab);
  EXPECT_TRUE(form->Option1->hasFocus());
}

}  // namespace
