// Convert as a person uses it: the 'To' value, the unit captions and what the
// thermometer draws, and the refusal of texts that are not numbers.
#include <QLabel>

#include "chrome/module1.h"
#include "harness.h"
#include "ui/buttons.h"

using harness::MainWindowTest;

namespace {

const QString kDegree = QString(QChar(176));

struct LabelRow {
  float x;
  float y;
  const char* text;
};

void expectLabels(const std::vector<harness::DrawnText>& drawn, size_t from,
                  const std::vector<LabelRow>& expected) {
  ASSERT_GE(drawn.size(), from + expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(drawn[from + i].x, expected[i].x, 1e-6);
    EXPECT_NEAR(drawn[from + i].y, expected[i].y, 1e-5);
    EXPECT_EQ(drawn[from + i].text, expected[i].text);
  }
}

}  // namespace

TEST_F(MainWindowTest, ConversionsWriteTheResultAndDrawTheScale) {
  struct Case {
    const char* typed;
    int direction;
    const char* result;
    const char* left;
    const char* right;
    float mercury;
    LabelRow firstLeft, lastLeft, firstRight, lastRight;
  };
  const Case cases[] = {
      {"100", 1, "37.78", "F", "C", -0.1f, {-0.5f, -0.118f, "100"}, {-0.65f, -1.018f, "1,000"},
       {0.1f, -0.118f, "37.8"}, {0.1f, -1.018f, "537.8"}},
      {"0", 1, "-17.78", "F", "C", 0.0f, {-0.48f, -0.118f, " 0.1"}, {-0.48f, -1.018f, " 1"},
       {0.1f, -0.118f, "-17.7222"}, {0.1f, -1.018f, "-17.2222"}},
      {"-40", 2, "-40.00", "C", "F", -0.6f, {-0.32f, -1.018f, "0"}, {-0.48f, -0.118f, "-90"},
       {0.1f, -1.018f, "32.0"}, {0.1f, -0.118f, "-130.0"}},
      {"-0.5", 1, "-18.06", "F", "C", -0.5f, {-0.48f, -1.018f, " 0"}, {-0.48f, -0.118f, "-0.9"},
       {0.1f, -1.018f, "-17.7778"}, {0.1f, -0.118f, "-18.2778"}},
      {"0.05", 2, "32.09", "C", "F", -0.5f, {-0.58f, -0.118f, " 0.01"}, {-0.58f, -1.018f, " 0.1"},
       {0.1f, -0.118f, "32.0180"}, {0.1f, -1.018f, "32.1800"}},
      {"1000000", 1, "555,537.75", "F", "C", -0.1f, {-0.65f, -0.118f, "1.0E6"},
       {-0.65f, -1.018f, "1.0E7"}, {0.1f, -0.118f, "5.55E5"}, {0.1f, -1.018f, "5.55E6"}},
      {" -9.5 ", 1, "-23.06", "F", "C", -0.905f, {-0.32f, -1.018f, "0"}, {-0.48f, -0.118f, "-90"},
       {0.1f, -1.018f, "-17.8"}, {0.1f, -0.118f, "-67.8"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    (c.direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    enterAndConvert(c.typed);
    EXPECT_EQ(form->Text2->text(), c.result);
    EXPECT_EQ(form->leftpicindicator->text(), kDegree + c.left);
    EXPECT_EQ(form->rightpicindicator->text(), kDegree + c.right);

    const auto boxes = harness::drawnBoxes(*form->PicTherm);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FLOAT_EQ(boxes[0].x1, -0.07f);
    EXPECT_FLOAT_EQ(boxes[0].y1, 0.0f);
    EXPECT_FLOAT_EQ(boxes[0].x2, 0.0f);
    EXPECT_NEAR(boxes[0].y2, c.mercury, 1e-6);
    EXPECT_EQ(boxes[0].color, QColor(178, 24, 0));

    // Ten labels a side, left first; the mercury is drawn before them.
    const auto texts = harness::drawnTexts(*form->PicTherm);
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_EQ(form->PicTherm->displayList().front().kind,
              ui::PictureBox::Operation::Kind::FilledBox);
    expectLabels(texts, 0, {c.firstLeft});
    expectLabels(texts, 9, {c.lastLeft});
    expectLabels(texts, 10, {c.firstRight});
    expectLabels(texts, 19, {c.lastRight});
  }
}

TEST_F(MainWindowTest, ConversionKeepsTheScaleForTheDrag) {
  enterAndConvert("100");
  EXPECT_FLOAT_EQ(form->scale.fahrenheitValue, 100.0f);
  EXPECT_FLOAT_EQ(form->scale.celsiusValue, 37.777779f);
  EXPECT_EQ(form->scale.scaleExponent, 3);
  EXPECT_EQ(Module1::valueToConvert, 100.0f);

  enterAndConvert("0.001");
  EXPECT_EQ(form->scale.decimalExponent, 2);
  EXPECT_EQ(form->scale.scaleExponent, 3) << "the integer exponent stays";

  // Numbers the program writes itself convert again.
  enterAndConvert("5,000,000,000.00");
  EXPECT_EQ(form->scale.scaleExponent, 10);
  EXPECT_EQ(Module1::valueToConvert, 5e9f);
  EXPECT_EQ(harness::drawnTexts(*form->PicTherm)[4].text, "5.0E9");
}

TEST_F(MainWindowTest, InvalidEntriesAreRefusedAndChangeNothing) {
  const QString message =
      "Please enter a valid number for temperature. Place negative\n"
      "sign only at beginning of number. Use only one decimal point.\n"
      "No spaces between digits.";
  struct Case {
    const char* text;
    int direction;
    const char* title;
  };
  const Case cases[] = {
      {"", 1, "Data Entry"},     {"abc", 1, "Data Entry"}, {"1.2.3", 2, "Data"},
      {"1 2", 1, "Data Entry"},  {"12-", 2, "Data"},       {"1e39", 1, "Data Entry"},
      {"-5e38", 2, "Data"},      {"3.4e38", 1, "Data Entry"}, {"inf", 1, "Data Entry"},
      {"0x10", 2, "Data"},       {"5- ", 1, "Data Entry"}, {"1\t", 1, "Data Entry"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    (c.direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    enterAndConvert("37");
    const auto before = form->scale;
    const QString left = form->leftpicindicator->text();
    const QString result = form->Text2->text();

    harness::MessageBoxRecorder boxes;
    enterAndConvert(c.text);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, c.title);
    EXPECT_EQ(boxes.shown[0].text, message);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Information);
    EXPECT_EQ(boxes.shown[0].buttons, 1);

    EXPECT_TRUE(form->PicTherm->displayList().empty());
    EXPECT_EQ(form->Text2->text(), result);
    EXPECT_EQ(form->leftpicindicator->text(), left);
    EXPECT_EQ(form->scale.fahrenheitValue, before.fahrenheitValue);
    EXPECT_EQ(form->scale.celsiusValue, before.celsiusValue);
    EXPECT_EQ(form->scale.scaleExponent, before.scaleExponent);
    EXPECT_EQ(form->scale.mercuryLevel, before.mercuryLevel);
    EXPECT_EQ(form->focusWidget(), form->Text1);
  }
}

TEST_F(MainWindowTest, ConvertStoresTheLeadingNumberOfATrailingMinus) {
  harness::MessageBoxRecorder boxes;
  enterAndConvert("12-");
  EXPECT_EQ(Module1::valueToConvert, 12.0f);
  enterAndConvert("-");
  EXPECT_EQ(Module1::valueToConvert, 0.0f);
  enterAndConvert("7");
  enterAndConvert("abc");
  EXPECT_EQ(Module1::valueToConvert, 7.0f) << "a text that is no number keeps the old value";
  enterAndConvert("1e39");
  EXPECT_EQ(Module1::valueToConvert, 7.0f) << "no float holds it";
  EXPECT_EQ(boxes.shown.size(), 4u);
}

TEST_F(MainWindowTest, ANewConversionLeavesNoTraceOfTheLast) {
  enterAndConvert("1000000");
  enterAndConvert("-0.5");
  const auto& list = form->PicTherm->displayList();
  ASSERT_EQ(list.size(), 21u);
  for (const auto& op : list) {
    if (op.kind == ui::PictureBox::Operation::Kind::Text) {
      EXPECT_EQ(op.text.indexOf('E'), -1) << op.text.toStdString();
    }
  }
  EXPECT_EQ(form->Text2->text(), "-18.06");
}

TEST_F(MainWindowTest, HiddenButtonsConvertInTheirOwnUnit) {
  form->Text1->setText("100");
  form->CelCmnd->Press();
  EXPECT_EQ(form->Text2->text(), "212.00");
  EXPECT_EQ(form->leftpicindicator->text(), kDegree + "C");
  form->FarCmnd->Press();
  EXPECT_EQ(form->Text2->text(), "37.78");
  EXPECT_EQ(form->leftpicindicator->text(), kDegree + "F");
  EXPECT_EQ(Module1::conversionDirection, 1) << "the direction stays as chosen";
}
