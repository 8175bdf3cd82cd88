// What assistive technology learns from the main window through Qt's
// accessibility interfaces: a name for every control and the thermometer's
// reading after each conversion and drag. Its press of the title buttons is
// tried beside the mouse's, with the rest of the window's chrome.
#include <QAccessible>
#include <QGroupBox>
#include <cmath>

#include "harness.h"

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
  QAccessibleInterface* face = accessible(widget);
  return face ? face->text(kind) : QStringLiteral("<no interface>");
}

using AccessibilityTest = harness::MainWindowTest;

TEST_F(AccessibilityTest, EveryControlIsNamed) {
  // A drop-down is named by its text, labelled by the label beside it.
  const auto labels = accessible(form->Combo1)->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Decimal Places");

  // None is left out, the unit captions included once they show a unit; the
  // frames only group others.
  enterAndConvert("1");
  for (QWidget* container : std::initializer_list<QWidget*>{form, form->Frame1, form->Frame2}) {
    for (QWidget* control : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!control->isVisible() || qobject_cast<QGroupBox*>(control)) continue;
      EXPECT_FALSE(accessibleText(control, QAccessible::Name).isEmpty())
          << control->metaObject()->className() << " at " << control->x() << "," << control->y();
    }
  }
}

TEST_F(AccessibilityTest, ThermometerDescribesWhatItShows) {
  // Direction, decimal places, value converted (none: null), height dragged to
  // (none: NaN), and what the thermometer then says.
  using Case = std::tuple<ui::OptionButton * frmtemperature::*, const char*, const char*, float,
                          const char*>;
  const float noDrag = std::nanf("");
  const auto F = &frmtemperature::Option1, C = &frmtemperature::Option2;
  const Case cases[] = {
      {F, "2", "100", noDrag, "100.00 °F (37.78 °C) on a scale from 0 to 1,000 °F"},
      {C, "2", "-40", noDrag, "-40.00 °C (-40.00 °F) on a scale from -100 to 0 °C"},
      {F, "2", "0.05", noDrag, "0.05 °F (-17.75 °C) on a scale from 0 to 0.1 °F"},
      {F, "2", "-0.5", noDrag, "-0.50 °F (-18.06 °C) on a scale from -1 to 0 °F"},
      {F, "2", "50", -0.25f, "25.00 °F (-3.89 °C) on a scale from 0 to 100 °F"},
      {C, "1", "-1", -0.5f, "-5.0 °C (23.0 °F) on a scale from -10 to 0 °C"},
      {F, "2", nullptr, -0.5f, "0.50 °F (-17.50 °C) on a scale from 0 to 1 °F"},
  };
  const auto description = [this] {
    return accessibleText(form->PicTherm, QAccessible::Description);
  };
  EXPECT_EQ(description(), "") << "blank until something is drawn";
  for (const auto& [direction, decimalPlaces, converted, height, expected] : cases) {
    SCOPED_TRACE(converted ? converted : "nothing converted");
    TearDown();
    SetUp();
    (form->*direction)->setValue(true);
    form->Combo1->setText(decimalPlaces);
    if (converted) enterAndConvert(converted);
    if (!std::isnan(height)) dragTo(height);
    EXPECT_EQ(description(), QString::fromUtf8(expected));
  }
  // A refused conversion erases the picture, and its description with it.
  harness::MessageBoxRecorder boxes;
  enterAndConvert("abc");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(description(), "");
}

}  // namespace
