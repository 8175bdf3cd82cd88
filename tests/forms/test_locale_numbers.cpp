// Numbers as the user's locale writes them, in German, French, US English and C: typed through the
// key filter (both decimal keys), converted, chosen as a preset, dragged and converted again.
#include <array>
#include <functional>

#include "harness.h"
#include "presets/Form1.h"
#include "thermometer/locale_separators.h"
#include "ui/list_box.h"

using LocaleTest = harness::MainWindowTest;

TEST_F(LocaleTest, NumbersAreTypedShownAndReadInTheUsersLocale) {
  const auto pick = [](ui::ListBox* list, const char* text) {
    list->setCurrentItem(list->findItems(text, Qt::MatchExactly).at(0));
  };
  const QString de = "5.000.000.000,00", fr = "5\u202F000\u202F000\u202F000,00";
  using Shown = std::array<QString, 3>;  // in German, French and English
  // What is done, given the column, and what the window then shows (as far as given).
  // clang-format off
  const std::pair<std::function<void(int)>, Shown> steps[] = {
      {[&](int) { type("37,5"), convert(); }, {"37,5 | 3,06 | °F°C | -0.375 | 10..100 | -12,2..37,8",
          "37,5 | 3,06 | °F°C | -0.375 | 10..100 | -12,2..37,8", "375 | 190.56 | °F°C | -0.375 | 100..1,000"}},
      {[&](int) { type("37.5"), convert(); }, {"37,5 | 3,06", "37,5 | 3,06", "37.5 | 3.06"}},
      // The keypad's decimal key types "," on a German keyboard, "." on the others.
      {[&](int column) { type("37"), QTest::keyClick(form->Text1, column ? '.' : ',', Qt::KeypadModifier),
          type("5"), convert(); }, {"37,5 | 3,06", "37,5 | 3,06", "37.5 | 3.06"}},
      {[&](int) { pick(ui::Instance<Form1>().List1, "Human body "),
          pick(ui::Instance<Form1>().List2, "Mean body temperature"); }, {"98,2 | 36,78", "98,2 | 36,78", "98.2 | 36.78"}},
      {[&](int) { direction(2), form->Text1->selectAll(), type("10000"), convert(); },
       {"10000 | 18.032,00 | °C°F | -0.1 | 10.000..100.000 | 18.032,0..1,80E5 | 10.000,00 °C (18.032,00 °F) on a "
        "scale from 0 to 100.000 °C", "10000 | 18\u202F032,00 | °C°F | -0.1 | 10\u202F000..100\u202F000 | 18\u202F032,0..1,80E5 | "
        "10\u202F000,00 °C (18\u202F032,00 °F) on a scale from 0 to 100\u202F000 °C", "10000 | 18,032.00 | °C°F | -0.1 | "
        "10,000..100,000 | 18,032.0..1.80E5 | 10,000.00 °C (18,032.00 °F) on a scale from 0 to 100,000 °C"}},
      {[&](int) { dragTo(-0.55f); }, {"55.000,00 | 99.032,00", "55\u202F000,00 | 99\u202F032,00", "55,000.00 | 99,032.00"}},
      {[&](int) { convert(); }, {"55.000,00 | 99.032,00", "55\u202F000,00 | 99\u202F032,00", "55,000.00 | 99,032.00"}},
      {[&](int column) { enterAndConvert(Shown{de, fr, "5,000,000,000.00"}[column]); },
       {de + " | 9.000.001.000,00 | °C°F | -0.5 | 1,0E9..1,0E10 | 1,80E9..1,80E10",
        fr + " | 9\u202F000\u202F001\u202F000,00 | °C°F | -0.5 | 1,0E9..1,0E10 | 1,80E9..1,80E10",
        "5,000,000,000.00 | 9,000,001,000.00 | °C°F | -0.5 | 1.0E9..1.0E10 | 1.80E9..1.80E10"}},
  };
  // clang-format on
  harness::MessageBoxRecorder refusals;
  for (const auto& [locale, column] :
       {std::pair{"de_DE", 0}, {"fr_FR", 1}, {"en_US", 2}, {"C", 2}}) {
    thermometer::setNumberSeparators(thermometer::separatorsOf(QLocale(locale)));
    restart();
    for (const auto& [act, shown] : steps) {
      act(column);
      const QString line = shows() + " | " + form->PicTherm->description();  // a screen reader's
      EXPECT_EQ(line.section(" | ", 0, shown[column].count(" | ")), shown[column]) << locale;
    }
  }
  EXPECT_TRUE(refusals.shown.empty());
  thermometer::setNumberSeparators({});
}
