// What assistive technology learns from the main window through Qt's
// accessibility interfaces: a name for every control, the thermometer's
// reading after each conversion and drag, and title buttons it can press.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

#include "about/Form2.h"
#include "harness.h"
#include "ui/combo_box.h"
#include "ui/image.h"

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
  QAccessibleInterface* face = accessible(widget);
  return face ? face->text(kind) : QStringLiteral("<no interface>");
}

class AccessibilityTest : public harness::MainWindowTest {
 protected:
  void restart() {
    TearDown();
    SetUp();
  }
  QString thermometerDescription() {
    return accessibleText(form->PicTherm, QAccessible::Description);
  }
};

TEST_F(AccessibilityTest, EveryControlIsNamedByItsCaptionOrTooltip) {
  const std::pair<const QWidget*, const char*> named[] = {
      {form->PicTherm, "Thermometer"},
      {form->Option1, "°F to °C"},
      {form->Option2, "°C to °F"},
      {form->Combo1, "2"},  // a drop-down is named by its text; its label follows
      {form->Label1, "Decimal Places"},
      {form->Text1, "'From' temperature value"},
      {form->Command1, "Convert"},
      {form->Text2, "'To' temperature value"},
      {form->Command2, "List"},
      {form->QuesB, "About/Help"},
      {form->Min, "Minimize"},
      {form->CloseB, "Close"},
  };
  for (auto [control, name] : named)
    EXPECT_EQ(accessibleText(const_cast<QWidget*>(control), QAccessible::Name),
              QString::fromUtf8(name))
        << control->metaObject()->className();
  const auto labels = accessible(form->Combo1)->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Decimal Places");
  EXPECT_EQ(accessibleText(form->Combo1, QAccessible::Description),
            "Choose DP, then press 'Convert'");

  // None is left out, the unit captions included once they show a unit; the
  // frames only group others and have no caption.
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
  struct Case {
    int direction;
    const char* decimalPlaces;
    const char* converted;
    float dragTo;  // NaN: no drag after the conversion
    const char* description;
  };
  const float noDrag = std::nanf("");
  const Case cases[] = {
      {1, "2", "100", noDrag, "100.00 °F (37.78 °C) on a scale from 0 to 1,000 °F"},
      {2, "2", "-40", noDrag, "-40.00 °C (-40.00 °F) on a scale from -100 to 0 °C"},
      {1, "2", "0.05", noDrag, "0.05 °F (-17.75 °C) on a scale from 0 to 0.1 °F"},
      {1, "2", "-0.5", noDrag, "-0.50 °F (-18.06 °C) on a scale from -1 to 0 °F"},
      {2, "2", "0.004", noDrag, "0.00 °C (32.01 °F) on a scale from 0 to 0.01 °C"},
      {1, "4", "100", noDrag, "100.0000 °F (37.7778 °C) on a scale from 0 to 1,000 °F"},
      {1, "2", "50", -0.25f, "25.00 °F (-3.89 °C) on a scale from 0 to 100 °F"},
      {2, "1", "-1", -0.5f, "-5.0 °C (23.0 °F) on a scale from -10 to 0 °C"},
      {1, "2", "3e9", -0.5f,
       "5,000,000,000.00 °F (2,777,777,700.00 °C) on a scale from 0 to 10,000,000,000 °F"},
      {1, "2", nullptr, -0.5f, "0.50 °F (-17.50 °C) on a scale from 0 to 1 °F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.converted ? c.converted : "nothing converted");
    restart();
    EXPECT_EQ(thermometerDescription(), "") << "blank until something is drawn";
    (c.direction == 1 ? form->Option1 : form->Option2)->setValue(true);
    form->Combo1->setText(c.decimalPlaces);
    if (c.converted) enterAndConvert(c.converted);
    if (!std::isnan(c.dragTo)) dragTo(c.dragTo);
    EXPECT_EQ(thermometerDescription(), QString::fromUtf8(c.description));
  }

  // A refused conversion erases the picture, and its description with it.
  harness::MessageBoxRecorder boxes;
  enterAndConvert("abc");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(thermometerDescription(), "");
}

TEST_F(AccessibilityTest, TitleButtonsArePressableButtonsNamedByTheirTooltips) {
  struct Case {
    ui::Image* frmtemperature::*button;
    const char* name;
  };
  const Case cases[] = {
      {&frmtemperature::QuesB, "About/Help"},
      {&frmtemperature::Min, "Minimize"},
      {&frmtemperature::CloseB, "Close"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    restart();
    QAccessibleInterface* button = accessible(form->*c.button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), c.name);
    EXPECT_FALSE(button->state().invisible);
    // Reachable from the window, as a screen reader walks it.
    QAccessibleInterface* window = accessible(form);
    EXPECT_GE(window->indexOfChild(button), 0);

    QAccessibleActionInterface* actions = button->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    const std::string name = c.name;
    EXPECT_EQ(ui::IsLoaded<Form2>() && ui::Instance<Form2>().isVisible(), name == "About/Help");
    EXPECT_EQ(ui::IsLoaded<frmtemperature>() && form->isMinimized(), name == "Minimize");
    EXPECT_EQ(ui::IsLoaded<frmtemperature>(), name != "Close");
  }

  // The hidden stores of the pressed pictures are pictures, not buttons.
  restart();
  EXPECT_EQ(accessible(form->QuesHolder)->role(), QAccessible::Graphic);
}

}  // namespace
