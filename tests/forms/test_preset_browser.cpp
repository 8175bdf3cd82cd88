// The "Useful Temperatures" browser as a person uses it: opened from List,
// clicked through, closed and opened again, and what its presets do (and
// never do) to the main window.
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextEdit>

#include "chrome/module1.h"
#include "harness.h"
#include "presets/Form1.h"
#include "presets/preset_catalogue.h"
#include "ui/combo_box.h"
#include "ui/list_box.h"

namespace {

const QString kDegree = QString(QChar(176));

QString qt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList itemsOf(const ui::ListBox& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}

QStringList qtList(const std::vector<std::string_view>& texts) {
  QStringList list;
  for (std::string_view text : texts) list << qt(text);
  return list;
}

bool descriptionShown(const Form1& window) {
  return window.RichTextBox1 && window.RichTextBox1->isVisible();
}

bool nothingSelected(const ui::ListBox& list) {
  return list.selectedItems().isEmpty() && list.currentRow() == -1;
}

class PresetBrowserTest : public harness::MainWindowTest {
 protected:
  Form1& browser() { return ui::Instance<Form1>(); }

  Form1& openBrowser() {
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    Form1& shown = browser();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown));
    return shown;
  }

  // Clicks the item with exactly this text, scrolled into view first.
  void choose(ui::ListBox* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
  }
  void chooseCategory(std::string_view category) { choose(browser().List1, qt(category)); }
  void chooseSubTopic(const QString& subTopic) { choose(browser().List2, subTopic); }
  void chooseDirection(int direction) {
    QTest::mouseClick(direction == 1 ? form->Option1 : form->Option2, Qt::LeftButton);
  }
};

QRect inTwips(int left, int top, int width, int height) {
  return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
               qRound(height / 15.0));
}

}  // namespace

TEST_F(PresetBrowserTest, LoadedHiddenAtStartAsAFixedToolWindowBelowTheScreenCentre) {
  ASSERT_TRUE(ui::IsLoaded<Form1>());
  Form1& window = browser();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Module1::browserShown, 0);

  EXPECT_EQ(window.windowTitle(), "Caldorine - Useful Temperatures ");
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window.minimumSize(), QSize(296, 109));
  EXPECT_EQ(window.maximumSize(), QSize(296, 109));
  EXPECT_FALSE(window.windowIcon().isNull());

  const QRect screen = window.screen()->geometry();
  const QSize outer = window.frameGeometry().size();
  EXPECT_EQ(window.pos(), QPoint(qRound((screen.width() - outer.width()) / 2.0),
                                 qRound((screen.height() - outer.height()) / 2.0 + 250 / 15.0)));

  const std::pair<QWidget*, QRect> placements[] = {
      {window.List1, inTwips(50, 100, 1815, 1425)},
      {window.List2, inTwips(1970, 100, 2415, 1425)},
  };
  for (const auto& [control, twips] : placements) EXPECT_EQ(control->geometry(), twips);
  const auto categories = presets::categoryTexts();
  EXPECT_EQ(itemsOf(*window.List1),
            qtList(std::vector<std::string_view>(categories.begin(), categories.end())));
  EXPECT_EQ(window.List2->count(), 0);
  EXPECT_FALSE(descriptionShown(window));
}

TEST_F(PresetBrowserTest, SubTopicConvertsInTheCurrentDirection) {
  struct Case {
    std::string_view category;
    const char* subTopic;
    int direction;
    const char* from;
    const char* to;
    float valueToConvert;
  };
  const Case cases[] = {
      {"Human body ", "Mean body temperature", 1, "98.2", "36.78", 98.2f},
      {"Human body ", "Mean body temperature", 2, "36.78", "98.20", 36.78f},
      {"Metal melting points", "Mercury", 2, "-38.3", "-36.94", -38.3f},
      {"Metal melting points", "Mercury", 1, "-37.9", "-38.83", -37.9f},
      {"Food storage (safe)", "Freezer", 1, "0", "-17.78", 0.0f},
      {"Stellar surface", "Blue (Type O)", 2, "45000", "81,032.00", 45000.0f},
      {"Atmosphere", "Troposphere 14.5 km", 1, "-61.6", "-52.00", -61.6f},
  };
  openBrowser();
  std::string_view shownCategory;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.subTopic + std::string(" in direction ") + std::to_string(c.direction));
    if (c.category != shownCategory) chooseCategory(c.category);
    shownCategory = c.category;
    // The direction clears the sub-topic, so the same one can be chosen again.
    chooseDirection(c.direction);
    EXPECT_TRUE(nothingSelected(*browser().List2));
    form->PicTherm->Cls();
    chooseSubTopic(c.subTopic);
    EXPECT_EQ(form->Text1->text(), c.from);
    EXPECT_EQ(form->Text2->text(), c.to);
    EXPECT_EQ(Module1::valueToConvert, c.valueToConvert);
    EXPECT_EQ(form->leftpicindicator->text(), kDegree + (c.direction == 1 ? "F" : "C"));
    EXPECT_FALSE(harness::drawnTexts(*form->PicTherm).empty());
    EXPECT_EQ(harness::drawnBoxes(*form->PicTherm).size(), 1u);
    EXPECT_EQ(browser().List2->text(), c.subTopic);
  }
}

TEST_F(PresetBrowserTest, FoodListFollowsTheCookingMethodChosen) {
  openBrowser();
  ui::ListBox& list = *browser().List2;
  chooseCategory("Food cooking (safe)");
  EXPECT_EQ(itemsOf(list),
            QStringList({"Foods cooked in stove/oven", "Foods cooked in microwave"}));

  struct Step {
    const char* heading;  // nullptr: stay in the list on show
    int direction;
    const char* from;
    int cookingMethod;
  };
  const Step steps[] = {
      {"Foods cooked in microwave", 1, "195", 2},
      {nullptr, 2, "91", 2},
      {"Foods cooked in stove/oven", 2, "77", 1},
      {nullptr, 1, "170", 1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(std::string(s.heading ? s.heading : "same list") + " direction " +
                 std::to_string(s.direction));
    chooseDirection(s.direction);
    if (s.heading) {
      chooseCategory("Food cooking (safe)");
      chooseSubTopic(s.heading);
      EXPECT_EQ(itemsOf(list), qtList(presets::foodList(s.cookingMethod)));
      EXPECT_TRUE(nothingSelected(list));
    }
    chooseSubTopic("Turkey");
    EXPECT_EQ(form->Text1->text(), s.from);
    EXPECT_EQ(Module1::cookingMethod, s.cookingMethod);
  }

  // The heading stays on top and rebuilds the same list.
  chooseSubTopic("Foods cooked in stove/oven");
  EXPECT_EQ(itemsOf(list), qtList(presets::foodList(1)));
  EXPECT_TRUE(nothingSelected(list));
  // Only the category leads to the other method's heading.
  chooseCategory("Food cooking (safe)");
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(Module1::cookingMethod, 1);
}

TEST_F(PresetBrowserTest, DescriptionShowsWithTheTwoNamesInRed) {
  openBrowser();
  Form1& window = browser();
  chooseCategory("Earth");
  ASSERT_EQ(window.List2->count(), 2);

  chooseCategory(presets::kAboutScalesCategory);
  EXPECT_EQ(window.List2->count(), 0);
  ASSERT_TRUE(descriptionShown(window));
  EXPECT_EQ(window.RichTextBox1->geometry(), inTwips(1950, 90, 2445, 1455));
  EXPECT_TRUE(window.RichTextBox1->isReadOnly());
  // It covers the sub-topic list it stands in for.
  const QWidget* onTop = window.childAt(window.RichTextBox1->geometry().center());
  EXPECT_TRUE(onTop == window.RichTextBox1 || window.RichTextBox1->isAncestorOf(onTop));
  const presets::ScalesDescription& description = presets::scalesDescription();
  EXPECT_EQ(window.RichTextBox1->toPlainText(), qt(description.text));
  EXPECT_EQ(window.RichTextBox1->textCursor().position(), 1);
  EXPECT_FALSE(window.RichTextBox1->textCursor().hasSelection());

  const auto isRed = [&](int position) {
    QTextCursor cursor(window.RichTextBox1->document());
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    return cursor.charFormat().foreground().color() == QColor(255, 0, 0);
  };
  const auto inSpan = [&](int position) {
    for (const presets::TextSpan& span : description.redSpans) {
      if (position >= static_cast<int>(span.start) &&
          position < static_cast<int>(span.start + span.length)) {
        return true;
      }
    }
    return false;
  };
  int redCharacters = 0;
  for (int position = 0; position < static_cast<int>(description.text.size()); ++position) {
    EXPECT_EQ(isRed(position), inSpan(position)) << "position " << position;
    redCharacters += isRed(position);
  }
  EXPECT_EQ(redCharacters, 25 + 14);

  chooseCategory("Wood fire ");
  EXPECT_FALSE(descriptionShown(window));
  EXPECT_EQ(itemsOf(*window.List2), qtList(presets::subTopicsOf("Wood fire ")));
}

TEST_F(PresetBrowserTest, ClosedBrowserReopensFreshAndKeepsTheCookingMethod) {
  Form1* first = &openBrowser();
  EXPECT_EQ(Module1::browserShown, 1);
  chooseCategory("Food cooking (safe)");
  chooseSubTopic("Foods cooked in microwave");
  chooseCategory(presets::kAboutScalesCategory);

  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(ui::IsLoaded<Form1>());
  EXPECT_EQ(Module1::browserShown, 0);

  Form1& again = openBrowser();
  EXPECT_EQ(Module1::browserShown, 1);
  EXPECT_EQ(again.List1->count(), 12);
  EXPECT_TRUE(again.List1->selectedItems().isEmpty());
  EXPECT_EQ(again.List2->count(), 0);
  EXPECT_FALSE(descriptionShown(again));
  EXPECT_EQ(Module1::cookingMethod, 2);
  // The kept method still picks the food values.
  chooseCategory("Food cooking (safe)");
  chooseSubTopic("Foods cooked in microwave");
  chooseSubTopic("Marlin");
  EXPECT_EQ(form->Text1->text(), "165");
}

TEST_F(PresetBrowserTest, PressingListTwiceShowsTheSameBrowser) {
  Form1* first = &openBrowser();
  chooseCategory("Earth");
  Form1* second = &openBrowser();
  EXPECT_EQ(first, second);
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(second->List2->count(), 2);
  EXPECT_EQ(Module1::browserShown, 1);
  EXPECT_EQ(ui::Form::loadedCount(), 2);
}

TEST_F(PresetBrowserTest, PresetLeavesDirectionDecimalPlacesAndFocusAlone) {
  // A decimal-places pick waits for Convert: red, focus on Convert.
  auto* combo = form->Combo1;
  pickDecimalPlaces(3);
  ASSERT_EQ(combo->backColor(), QColor(Qt::red));

  openBrowser();
  chooseCategory("Earth");
  for (int direction : {1, 2}) {
    SCOPED_TRACE(direction);
    chooseDirection(direction);
    QWidget* focusBefore = form->focusWidget();
    chooseSubTopic("Highest Recorded");
    EXPECT_EQ(form->Text2->text(), direction == 1 ? "57.00" : "134.60");
    EXPECT_EQ(form->decimalPlaces, 2);
    EXPECT_EQ(combo->text(), "4");
    EXPECT_EQ(combo->backColor(), QColor(Qt::red));
    EXPECT_EQ(form->Option1->isChecked(), direction == 1);
    EXPECT_EQ(form->Option2->isChecked(), direction == 2);
    EXPECT_EQ(Module1::conversionDirection, direction);
    EXPECT_EQ(form->focusWidget(), focusBefore);
  }
}

TEST_F(PresetBrowserTest, TypingDirectionAndDragClearTheSubTopic) {
  struct Case {
    const char* name;
    std::function<void()> action;
    bool clears;
  };
  const auto dragTo = [this](float y) {
    const QPointF at = form->PicTherm->toPixel({-0.03, y});
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
      QMouseEvent event(type, at, form->PicTherm->mapToGlobal(at), button, held, {});
      QApplication::sendEvent(form->PicTherm, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
  };
  const Case cases[] = {
      {"digit", [this] { type("5"); }, true},
      {"minus", [this] { type("-"); }, true},
      {"backspace", [this] { QTest::keyClick(form->Text1, Qt::Key_Backspace); }, true},
      {"letter", [this] { type("x"); }, false},
      {"Enter", [this] { QTest::keyClick(form->Text1, Qt::Key_Return); }, false},
      {"other direction", [this] { chooseDirection(2); }, true},
      {"same direction again", [this] { chooseDirection(1); }, true},
      {"drag", [&] { dragTo(-0.5f); }, true},
  };
  openBrowser();
  chooseCategory("Food microbes");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    chooseDirection(1);
    chooseSubTopic("Rapid Growth");
    ASSERT_EQ(browser().List2->text(), "Rapid Growth");
    c.action();
    EXPECT_EQ(nothingSelected(*browser().List2), c.clears);
  }
}

TEST_F(PresetBrowserTest, ClearingAClosedBrowserLoadsItUnseen) {
  const std::pair<const char*, std::function<void()>> touches[] = {
      {"key", [this] { type("7"); }},
      {"direction", [this] { chooseDirection(2); }},
  };
  for (const auto& [name, touch] : touches) {
    SCOPED_TRACE(name);
    openBrowser().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(ui::IsLoaded<Form1>());
    touch();
    EXPECT_TRUE(ui::IsLoaded<Form1>());
    EXPECT_FALSE(browser().isVisible());
    EXPECT_EQ(Module1::browserShown, 0);
  }
  // The main window takes the browser with it.
  ui::Unload<frmtemperature>();
  EXPECT_FALSE(ui::IsLoaded<Form1>());
  EXPECT_EQ(ui::Form::loadedCount(), 0);
}
