// Convert as a person uses it: the 'To' value, the unit captions and what the
// thermometer draws, and the refusal of texts that are not numbers.
#include <QLabel>

#include "chrome/module1.h"
#include "harness.h"

using harness::MainWindowTest;

namespace {
const QString kDegree = QString(QChar(176));
}

// The labels' own texts and places are the scale model's; here, that the
// typed text picks the scale and unit and that everything lands on screen.
TEST_F(MainWindowTest, ConversionsWriteTheResultAndDrawTheScale) {
  struct Case {
    const char *typed, *result;
    int direction;
    float mercury;
    harness::DrawnText firstLeft;
    const char *lastLeft, *firstRight;
  };
  const Case cases[] = {
      {"100", "37.78", 1, -0.1f, {-0.5f, -0.118f, "100"}, "1,000", "37.8"},
      {"0", "-17.78", 1, 0.0f, {-0.48f, -0.118f, " 0.1"}, " 1", "-17.7222"},
      {"-40", "-40.00", 2, -0.6f, {-0.32f, -1.018f, "0"}, "-90", "32.0"},
      {"1000000", "555,537.75", 1, -0.1f, {-0.65f, -0.118f, "1.0E6"}, "1.0E7", "5.55E5"},
      {"-0.5", "-18.06", 1, -0.5f, {-0.48f, -1.018f, " 0"}, "-0.9", "-17.7778"},
      {"0.05", "32.09", 2, -0.5f, {-0.58f, -0.118f, " 0.01"}, " 0.1", "32.0180"},
      {" -9.5 ", "-23.06", 1, -0.905f, {-0.32f, -1.018f, "0"}, "-90", "-17.8"},
      // Numbers the program writes itself convert again.
      {"5,000,000,000.00",
       "2,777,777,700.00",
       1,
       -0.5f,
       {-0.65f, -0.118f, "1.0E9"},
       "1.0E10",
       "5.55E8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    (c.direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    enterAndConvert(c.typed);
    EXPECT_EQ(form->Text2->text(), c.result);
    EXPECT_EQ(form->leftpicindicator->text(), kDegree + (c.direction == 1 ? "F" : "C"));
    EXPECT_EQ(form->rightpicindicator->text(), kDegree + (c.direction == 1 ? "C" : "F"));

    // The mercury first, then ten labels a side, left first; nothing of the
    // conversion before stays.
    const auto& list = form->PicTherm->displayList();
    ASSERT_EQ(list.size(), 21u);
    const auto& mercury = list.front();
    ASSERT_EQ(mercury.kind, ui::PictureBox::Operation::Kind::FilledBox);
    EXPECT_EQ(std::tuple(mercury.x1, mercury.y1, mercury.x2), std::tuple(-0.07f, 0.0f, 0.0f));
    EXPECT_NEAR(mercury.y2, c.mercury, 1e-6);
    EXPECT_EQ(mercury.color, QColor(178, 24, 0));
    const auto texts = harness::drawnTexts(*form->PicTherm);
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_NEAR(texts[0].x, c.firstLeft.x, 1e-6);
    EXPECT_NEAR(texts[0].y, c.firstLeft.y, 1e-5);
    EXPECT_EQ(texts[0].text, c.firstLeft.text);
    EXPECT_EQ(texts[9].text, c.lastLeft);
    EXPECT_EQ(texts[10].text, c.firstRight);
    EXPECT_FLOAT_EQ(texts[10].y, texts[0].y);
  }
}

// The message is titled after the unit typed in. Convert still keeps what it
// could read of the text for a later drag.
TEST_F(MainWindowTest, InvalidEntriesAreRefusedAndChangeNothing) {
  struct Case {
    const char* text;
    int direction;
    float kept;
  };
  // clang-format off
  const Case cases[] = {
      {"", 1, 37},        {"abc", 1, 37},   {"1.2.3", 2, 37},   {"1 2", 1, 37},
      {"12-", 2, 12},     {"-", 1, 0},      {"1e39", 1, 37},    {"-5e38", 2, 37},
      {"3.4e38", 1, 3.4e38f},               {"inf", 2, 37},     {"5- ", 1, 37},
      {"1\t", 2, 37},
  };
  // clang-format on
  const auto fields = [this] {
    return std::tuple(form->Text2->text(), form->leftpicindicator->text(),
                      form->scale.fahrenheitValue, form->scale.celsiusValue,
                      form->scale.mercuryLevel);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    (c.direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    enterAndConvert("37");
    const auto before = fields();

    harness::MessageBoxRecorder boxes;
    enterAndConvert(c.text);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, c.direction == 1 ? "Data Entry" : "Data");
    EXPECT_EQ(boxes.shown[0].text,
              "Please enter a valid number for temperature. Place negative\n"
              "sign only at beginning of number. Use only one decimal point.\n"
              "No spaces between digits.");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Information);
    EXPECT_EQ(boxes.shown[0].buttons, 1);
    EXPECT_EQ(Module1::valueToConvert, c.kept);
    EXPECT_TRUE(form->PicTherm->displayList().empty());
    EXPECT_EQ(fields(), before);
    EXPECT_EQ(form->focusWidget(), form->Text1);
  }
}
