// Dragging the mercury with the mouse: the values at the pointer's height,
// the redrawn scale, and what never starts, ends or changes a drag.
#include <QLabel>

#include "chrome/module1.h"
#include "harness.h"

namespace {

class MercuryDragTest : public harness::MainWindowTest {
 protected:
  // Mouse events on the thermometer at a height in its own units.
  void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, float y) {
    const QPointF at = form->PicTherm->toPixel({-0.03, y});
    QMouseEvent event(type, at, form->PicTherm->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(form->PicTherm, &event);
  }
  void press(float y, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, button, button, y);
  }
  void move(float y) { send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, y); }
  void release(float y, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonRelease, button, Qt::NoButton, y);
  }
  void drag(float y) {
    press(-0.5f);
    move(y);
    release(y);
  }
  // The left scale's labels.
  std::vector<std::string> leftLabels() {
    std::vector<std::string> texts;
    for (const auto& t : harness::drawnTexts(*form->PicTherm)) texts.push_back(t.text);
    texts.resize(std::min<std::size_t>(texts.size(), 10));
    return texts;
  }
  float mercuryTop() {
    const auto boxes = harness::drawnBoxes(*form->PicTherm);
    return boxes.size() == 1 ? boxes[0].y2 : 1.0f;
  }
};

const QString kDegree = QString(QChar(176));

}  // namespace

// The scale stays the one the last conversion drew, also when the direction
// has changed since: the same numbers, now in the other unit.
TEST_F(MercuryDragTest, ValuesAtThePointerOnTheLastScale) {
  struct Case {
    const char* converted;  // nullptr: nothing converted since start
    int convertedIn, draggedIn;
    float y;
    const char *from, *to;
  };
  // clang-format off
  const Case cases[] = {
      {"50", 1, 1, -0.25f, "25.00", "-3.89"},     {"50", 1, 2, -0.25f, "25.00", "77.00"},
      {"-40", 1, 1, -0.6f, "-40.00", "-40.00"},   {"100", 2, 2, -0.1f, "100.00", "212.00"},
      {nullptr, 1, 1, -0.5f, "0.50", "-17.50"},   {"-1", 1, 1, -0.5f, "-5.00", "-20.56"},
      {"0.05", 2, 2, -0.3f, "0.03", "32.05"},     {"-0.5", 1, 1, -0.75f, "-0.25", "-17.92"},
      {"3e9", 1, 1, -0.5f, "5,000,000,000.00", "2,777,777,700.00"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.converted ? c.converted : "start-up");
    TearDown();
    SetUp();
    (c.convertedIn == 1 ? form->Option1 : form->Option2)->setValue(true);
    std::vector<std::string> converted;
    if (c.converted) {
      enterAndConvert(c.converted);
      converted = leftLabels();
    }
    (c.draggedIn == 1 ? form->Option1 : form->Option2)->setValue(true);
    drag(c.y);
    EXPECT_EQ(form->Text1->text(), c.from);
    EXPECT_EQ(form->Text2->text(), c.to);
    EXPECT_EQ(form->leftpicindicator->text(), kDegree + (c.draggedIn == 1 ? "F" : "C"));
    EXPECT_EQ(form->rightpicindicator->text(), kDegree + (c.draggedIn == 1 ? "C" : "F"));
    EXPECT_FLOAT_EQ(mercuryTop(), c.y);
    EXPECT_EQ(harness::drawnTexts(*form->PicTherm).size(), 20u);
    if (c.converted) {
      EXPECT_EQ(leftLabels(), converted);
    }
  }
}

TEST_F(MercuryDragTest, OnlyTheLeftButtonInsideTheBandDrags) {
  enterAndConvert("50");
  const auto converted = form->PicTherm->displayList().size();
  press(-0.5f);
  EXPECT_EQ(form->Text1->text(), "50") << "a press alone draws nothing";
  for (float outside : {-1.0f, -1.1f, 0.0f, 0.2f}) {
    move(outside);
    EXPECT_EQ(form->Text1->text(), "50") << outside;
    EXPECT_EQ(form->PicTherm->displayList().size(), converted);
  }
  move(-0.4f);
  EXPECT_EQ(form->Text1->text(), "40.00");
  move(-1.05f);
  EXPECT_EQ(form->Text1->text(), "40.00") << "the column stays where it was drawn";
  EXPECT_FLOAT_EQ(mercuryTop(), -0.4f);

  // The right button neither ends nor starts a drag.
  press(-0.5f, Qt::RightButton);
  release(-0.5f, Qt::RightButton);
  move(-0.3f);
  EXPECT_EQ(form->Text1->text(), "30.00");
  release(-0.3f);
  move(-0.2f);
  EXPECT_EQ(form->Text1->text(), "30.00");
  press(-0.5f, Qt::RightButton);
  move(-0.2f);
  EXPECT_EQ(form->Text1->text(), "30.00");
}

TEST_F(MercuryDragTest, MovesReachTheThermometerOutsideItWhileHeld) {
  enterAndConvert("50");
  const QPoint inside = form->PicTherm->toPixel({-0.03, -0.5}).toPoint();
  const QPoint outside(-60, inside.y() - 20);  // far to the left, over the panel
  QTest::mousePress(form->PicTherm, Qt::LeftButton, {}, inside);
  QTest::mouseMove(form->PicTherm, outside);
  const QString draggedOutside = form->Text1->text();
  QTest::mouseMove(form->PicTherm, QPoint(inside.x(), outside.y()));
  EXPECT_NE(draggedOutside, "50");
  EXPECT_EQ(draggedOutside, form->Text1->text()) << "only the height counts";
  QTest::mouseRelease(form->PicTherm, Qt::LeftButton, {}, outside);
  EXPECT_FALSE(form->dragging);
}

// Only a Celsius drag tests the 'From' text.
TEST_F(MercuryDragTest, CelsiusDragRefusesAFromTextThatIsNoNumber) {
  enterAndConvert("50");
  form->Option2->setValue(true);
  form->Text1->setText("abc");
  const auto before = form->PicTherm->displayList().size();
  harness::MessageBoxRecorder boxes;
  press(-0.5f);
  move(-0.3f);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Data");
  EXPECT_EQ(boxes.shown[0].text,
            "Please enter a valid number for temperature. Place negative sign\n"
            "only at beginning of number, and use only one decimal point.");
  EXPECT_EQ(form->focusWidget(), form->Text1);
  EXPECT_EQ(form->PicTherm->displayList().size(), before);
  EXPECT_EQ(form->leftpicindicator->text(), kDegree + "F") << "captions untouched";
  move(-0.2f);
  EXPECT_EQ(boxes.shown.size(), 1u) << "the drag has ended";

  form->Option1->setValue(true);
  drag(-0.2f);
  EXPECT_EQ(form->Text1->text(), "20.00");
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(MercuryDragTest, IntegerScaleNotYetSetOnlyTurnsTheCaptions) {
  Module1::valueToConvert = 12;  // as a preset leaves it
  form->Option2->setValue(true);
  drag(-0.5f);
  EXPECT_EQ(form->leftpicindicator->text(), kDegree + "C");
  EXPECT_TRUE(form->PicTherm->displayList().empty());
  EXPECT_EQ(form->Text1->text(), "0");
}

TEST_F(MercuryDragTest, IntegerScalesWriteLongTextsUncutAndTheyConvertAgain) {
  QTest::keyClicks(form->Text1, "999999999");
  convert();
  drag(-0.99999f);
  EXPECT_EQ(form->Text1->text(), "9,999,900,000.00");
  // Typing limits the length again, and cuts nothing already there.
  QTest::keyClick(form->Text1, Qt::Key_End);
  QTest::keyClicks(form->Text1, "5");
  EXPECT_EQ(form->Text1->text(), "9,999,900,000.00");
  convert();
  EXPECT_EQ(form->Text2->text(), "5,555,500,000.00");
  EXPECT_EQ(harness::drawnTexts(*form->PicTherm)[9].text, "1.0E10") << "the same scale";
}

// Counts the paints the window system asks of a widget.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(MercuryDragTest, EveryDrawingReachesTheScreen) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  PaintCounter counter(form->PicTherm);
  auto repaints = [&](auto draw) {
    const int before = counter.paints;
    draw();
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > before; }, 2000));
  };
  repaints([&] { enterAndConvert("50"); });
  press(-0.5f);
  for (float y : {-0.3f, -0.4f, -0.6f}) repaints([&] { move(y); });
  release(-0.6f);
  // Drawn while hidden: painted when the window comes back.
  form->hide();
  enterAndConvert("-40");
  repaints([&] { form->show(); });
}

TEST_F(MercuryDragTest, RepaintsFromTheKeptLayerMatchAFreshPaint) {
  auto paint = [this] {
    QImage image(form->PicTherm->size(), QImage::Format_RGB32);
    form->PicTherm->render(&image);
    return image;
  };
  auto fresh = [&] {
    form->PicTherm->setPicture(form->PicTherm->picture());  // drops the kept layer
    return paint();
  };
  enterAndConvert("50");
  paint();
  drag(-0.3f);
  const QImage dragged = paint();
  EXPECT_EQ(dragged, fresh());
  // Another scale's texts replace the kept ones.
  enterAndConvert("-40");
  drag(-0.8f);
  const QImage other = paint();
  EXPECT_NE(other, dragged);
  EXPECT_EQ(other, fresh());
}
