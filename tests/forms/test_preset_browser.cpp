// The "Useful Temperatures" browser as a person uses it: opened from List,
// clicked through, closed and opened again, and what its presets do (and
// never do) to the main window.
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <array>
#include <functional>

#include "chrome/module1.h"
#include "harness.h"
#include "presets/Form1.h"
#include "presets/preset_catalogue.h"
#include "ui/list_box.h"

namespace {

QString qt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Texts>
QStringList qtList(const Texts& texts) {
  QStringList list;
  for (std::string_view text : texts) list << qt(text);
  return list;
}

QStringList itemsOf(const ui::ListBox* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

bool descriptionShown(const Form1& window) {
  return window.RichTextBox1 && window.RichTextBox1->isVisible();
}

class PresetBrowserTest : public harness::MainWindowTest {
 protected:
  Form1& browser() { return ui::Instance<Form1>(); }
  Form1& openBrowser() {
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&browser()));
    return browser();
  }
  void closeBrowser() {
    browser().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Clicks the item with exactly this text, scrolled into view first.
  void choose(ui::ListBox* list, std::string_view text) {
    const auto found = list->findItems(qt(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << text;
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
  }
  void chooseCategory(std::string_view category) { choose(browser().List1, category); }
  void chooseSubTopic(std::string_view subTopic) { choose(browser().List2, subTopic); }
  void chooseDirection(int direction) {
    QTest::mouseClick(direction == 1 ? form->Option1 : form->Option2, Qt::LeftButton);
  }
};

TEST_F(PresetBrowserTest, LoadedHiddenAtStartAsAFixedToolWindowBelowTheScreenCentre) {
  ASSERT_TRUE(ui::IsLoaded<Form1>());
  Form1& window = browser();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(Module1::browserShown, 0);
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window.minimumSize(), QSize(296, 109));
  EXPECT_EQ(window.maximumSize(), QSize(296, 109));
  EXPECT_FALSE(window.windowIcon().isNull());
  // Centred, then 250 twips lower.
  const QRect screen = window.screen()->geometry();
  const QSize outer = window.frameGeometry().size();
  EXPECT_EQ(window.pos(), QPoint(qRound((screen.width() - outer.width()) / 2.0),
                                 qRound((screen.height() - outer.height()) / 2.0 + 250 / 15.0)));
  EXPECT_EQ(itemsOf(window.List1), qtList(presets::categoryTexts()));
}

// Pressing the direction's own button, not Convert: a pending decimal-places
// pick stays pending (Text2 keeps two places) and the focus stays put.
TEST_F(PresetBrowserTest, SubTopicConvertsInTheCurrentDirection) {
  const std::tuple<std::string_view, std::string_view, int, QString, QString> cases[] = {
      {"Human body ", "Mean body temperature", 1, "98.2", "36.78"},
      {"Human body ", "Mean body temperature", 2, "36.78", "98.20"},
      // Measured apart: the stored Celsius goes in, not a conversion.
      {"Metal melting points", "Mercury", 2, "-38.3", "-36.94"},
      {"Food storage (safe)", "Freezer", 1, "0", "-17.78"},
      {"Stellar surface", "Blue (Type O)", 2, "45000", "81,032.00"},
  };
  pickDecimalPlaces(3);  // waits for Convert, shown red
  openBrowser();
  for (const auto& [category, subTopic, direction, from, to] : cases) {
    SCOPED_TRACE(std::string(subTopic) + " in direction " + std::to_string(direction));
    chooseCategory(category);
    chooseDirection(direction);
    QWidget* focusBefore = form->focusWidget();
    chooseSubTopic(subTopic);
    EXPECT_EQ(form->Text1->text(), from);
    EXPECT_EQ(form->Text2->text(), to);
    EXPECT_EQ(Module1::valueToConvert, from.toFloat());
    EXPECT_EQ(browser().List2->text(), qt(subTopic));
    EXPECT_EQ(form->focusWidget(), focusBefore);
  }
}

TEST_F(PresetBrowserTest, FoodListFollowsTheCookingMethodChosen) {
  openBrowser();
  const ui::ListBox* list = browser().List2;
  // Heading to choose (empty: stay in the list shown), direction, Turkey's text, method.
  const std::tuple<std::string_view, int, QString, int> steps[] = {
      {presets::kMicrowaveHeading, 1, "195", 2},
      {{}, 2, "91", 2},
      {presets::kStoveOvenHeading, 2, "77", 1},
      {{}, 1, "170", 1},
  };
  for (const auto& [heading, direction, turkey, method] : steps) {
    SCOPED_TRACE(std::string(heading) + " direction " + std::to_string(direction));
    chooseDirection(direction);
    if (!heading.empty()) {
      const QString before = form->Text1->text();
      chooseCategory(presets::kFoodCookingCategory);
      EXPECT_EQ(itemsOf(list),
                qtList(std::array{presets::kStoveOvenHeading, presets::kMicrowaveHeading}));
      chooseSubTopic(heading);
      EXPECT_EQ(itemsOf(list), qtList(presets::foodList(method)));
      EXPECT_TRUE(list->selectedItems().isEmpty());
      EXPECT_EQ(form->Text1->text(), before);  // a heading converts nothing
    }
    chooseSubTopic("Turkey");
    EXPECT_EQ(form->Text1->text(), turkey);
    EXPECT_EQ(Module1::cookingMethod, method);
  }
}

TEST_F(PresetBrowserTest, DescriptionShowsOverTheSubTopicsWithTheTwoNamesInRed) {
  Form1& window = openBrowser();
  chooseCategory("Earth");
  ASSERT_EQ(window.List2->count(), 2);
  chooseCategory(presets::kAboutScalesCategory);
  EXPECT_EQ(window.List2->count(), 0);
  ASSERT_TRUE(descriptionShown(window));
  QTextEdit& box = *window.RichTextBox1;
  EXPECT_TRUE(box.isReadOnly());
  const QWidget* onTop = window.childAt(window.List2->geometry().center());
  EXPECT_TRUE(onTop == &box || box.isAncestorOf(onTop));
  const QString text = box.toPlainText();
  EXPECT_EQ(text, qt(presets::scalesDescription().text));
  EXPECT_EQ(box.textCursor().position(), 1);
  EXPECT_FALSE(box.textCursor().hasSelection());
  QString red;
  for (int i = 0; i < text.size(); ++i) {
    QTextCursor at(box.document());
    at.setPosition(i);
    at.setPosition(i + 1, QTextCursor::KeepAnchor);
    if (at.charFormat().foreground().color() == QColor(255, 0, 0)) red += text[i];
  }
  EXPECT_EQ(red, QString("Daniel Gabriel FahrenheitAnders Celsius"));

  chooseCategory("Wood fire ");
  EXPECT_FALSE(descriptionShown(window));
  EXPECT_EQ(itemsOf(window.List2), qtList(presets::subTopicsOf("Wood fire ")));
}

TEST_F(PresetBrowserTest, ListShowsOneBrowserThatReopensFreshAfterClosing) {
  Form1* first = &openBrowser();
  chooseCategory("Earth");
  EXPECT_EQ(&openBrowser(), first);
  EXPECT_EQ(first->List2->count(), 2);
  EXPECT_EQ(ui::Form::loadedCount(), 2);
  chooseCategory(presets::kFoodCookingCategory);
  chooseSubTopic(presets::kMicrowaveHeading);
  chooseCategory(presets::kAboutScalesCategory);
  closeBrowser();
  EXPECT_FALSE(ui::IsLoaded<Form1>());
  EXPECT_EQ(Module1::browserShown, 0);

  Form1& again = openBrowser();
  EXPECT_EQ(Module1::browserShown, 1);
  EXPECT_EQ(itemsOf(again.List1), qtList(presets::categoryTexts()));
  EXPECT_TRUE(again.List1->selectedItems().isEmpty());
  EXPECT_EQ(again.List2->count(), 0);
  EXPECT_FALSE(descriptionShown(again));
  // The cooking method outlives the window and still picks the food values.
  chooseCategory(presets::kFoodCookingCategory);
  chooseSubTopic(presets::kMicrowaveHeading);
  chooseSubTopic("Marlin");
  EXPECT_EQ(form->Text1->text(), QString("165"));

  // Typing clears the sub-topic, which loads a closed browser again, unseen.
  closeBrowser();
  type("7");
  EXPECT_TRUE(ui::IsLoaded<Form1>());
  EXPECT_FALSE(browser().isVisible());
  EXPECT_EQ(Module1::browserShown, 0);
  ui::Unload<frmtemperature>();  // takes the browser with it
  EXPECT_FALSE(ui::IsLoaded<Form1>());
}

// A long entry is cut at the list's edge; no sideways scroll bar hides a row.
TEST_F(PresetBrowserTest, ListsNeverScrollSideways) {
  Form1& window = openBrowser();
  for (std::string_view category : presets::categoryTexts()) {
    SCOPED_TRACE(category);
    chooseCategory(category);
    QCoreApplication::processEvents();  // lays the list out
    for (const ui::ListBox* list : {window.List1, window.List2}) {
      EXPECT_EQ(list->viewport()->height(), list->height() - 2 * list->frameWidth());
      EXPECT_EQ(list->horizontalScrollBar()->value(), 0);
    }
  }
}

TEST_F(PresetBrowserTest, TypingDirectionAndDragClearTheSubTopic) {
  const std::tuple<const char*, std::function<void()>, bool> cases[] = {
      {"digit", [this] { type("5"); }, true},
      {"backspace", [this] { QTest::keyClick(form->Text1, Qt::Key_Backspace); }, true},
      {"letter", [this] { type("x"); }, false},
      {"other direction", [this] { chooseDirection(2); }, true},
      {"same direction again", [this] { chooseDirection(1); }, true},
      {"drag", [this] { dragTo(-0.5f); }, true},
  };
  openBrowser();
  chooseCategory("Food microbes");
  const ui::ListBox& list = *browser().List2;
  for (const auto& [name, action, clears] : cases) {
    SCOPED_TRACE(name);
    chooseDirection(1);
    chooseSubTopic("Rapid Growth");
    ASSERT_EQ(list.text(), QString("Rapid Growth"));
    action();
    EXPECT_EQ(list.selectedItems().isEmpty() && list.currentRow() == -1, clears);
  }
}

}  // namespace
