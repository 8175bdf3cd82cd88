// The thermometer as assistive technology learns of it after each conversion and drag: a slider
// between the scale's ends, and the same in words, erased with a refused conversion.
#include <QAccessible>
#include <cmath>

#include "harness.h"

namespace {

using AccessibilityTest = harness::MainWindowTest;

TEST_F(AccessibilityTest, ThermometerReadsWhatItShows) {
  // Direction, decimal places, value converted (none: null), height dragged to (none: NaN), what
  // the thermometer then says, its value and its ends.
  using Case = std::tuple<ui::OptionButton * frmtemperature::*, const char*, const char*, float,
                          const char*, double, double, double>;
  const float noDrag = std::nanf("");
  const auto F = &frmtemperature::Option1, C = &frmtemperature::Option2;
  const Case cases[] = {
      {F, "2", "100", noDrag, "100.00 °F (37.78 °C) on a scale from 0 to 1,000 °F", 100, 0, 1000},
      {C, "2", "-40", noDrag, "-40.00 °C (-40.00 °F) on a scale from -100 to 0 °C", -40, -100, 0},
      {F, "2", "0.05", noDrag, "0.05 °F (-17.75 °C) on a scale from 0 to 0.1 °F", 0.05, 0, 0.1},
      {F, "2", "-0.5", noDrag, "-0.50 °F (-18.06 °C) on a scale from -1 to 0 °F", -0.5, -1, 0},
      {F, "2", "50", -0.25f, "25.00 °F (-3.89 °C) on a scale from 0 to 100 °F", 25, 0, 100},
      {C, "1", "-1", -0.5f, "-5.0 °C (23.0 °F) on a scale from -10 to 0 °C", -5, -10, 0},
      {F, "2", nullptr, -0.5f, "0.50 °F (-17.50 °C) on a scale from 0 to 1 °F", 0.5, 0, 1},
  };
  const auto thermometer = [this] { return QAccessible::queryAccessibleInterface(form->PicTherm); };
  ASSERT_EQ(thermometer()->role(), QAccessible::Slider);
  EXPECT_EQ(thermometer()->text(QAccessible::Description), "") << "blank until something is drawn";
  for (const auto& [direction, places, converted, height, expected, value, bottom, top] : cases) {
    SCOPED_TRACE(converted ? converted : "nothing converted");
    restart();
    (form->*direction)->setValue(true);
    form->Combo1->setText(places);
    if (converted) enterAndConvert(converted);
    if (!std::isnan(height)) dragTo(height);
    EXPECT_EQ(thermometer()->text(QAccessible::Description), QString::fromUtf8(expected));
    QAccessibleValueInterface* gauge = thermometer()->valueInterface();
    EXPECT_FLOAT_EQ(gauge->currentValue().toFloat(), value);
    EXPECT_FLOAT_EQ(gauge->minimumValue().toFloat(), bottom);
    EXPECT_FLOAT_EQ(gauge->maximumValue().toFloat(), top);
    EXPECT_FLOAT_EQ(gauge->minimumStepSize().toFloat(), (top - bottom) / 100);
  }
  harness::MessageBoxRecorder boxes;
  enterAndConvert("abc");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(thermometer()->text(QAccessible::Description), "");
}

TEST_F(AccessibilityTest, TheWindowOffersEveryControlShownAndNoneHidden) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form);
  for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_EQ(window->indexOfChild(QAccessible::queryAccessibleInterface(control)) >= 0,
              control->isVisible())
        << control->metaObject()->className();
}

}  // namespace
