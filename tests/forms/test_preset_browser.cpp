// The "Useful Temperatures" browser as a person uses it: opened from List,
// clicked through, closed and opened again, and what its presets do (and
// never do) to the main window.
#include <QTextCursor>
#include <QTextEdit>
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

QStringList qtList(const auto& texts) {
  QStringList list;
  for (std::string_view text : texts) list << qt(text);
  return list;
}

QStringList itemsOf(const ui::ListBox* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
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
  bool descriptionShown() { return browser().RichTextBox1 && browser().RichTextBox1->isVisible(); }
};

TEST_F(PresetBrowserTest, LoadedHiddenAtStartAsAFixedToolWindowBelowTheScreenCentre) {
  ASSERT_TRUE(ui::IsLoaded<Form1>());
  EXPECT_FALSE(browser().isVisible());
  // Centred, then 250 twips lower.
  const QRect screen = browser().screen()->geometry();
  const QSize outer = browser().frameGeometry().size();
  EXPECT_EQ(browser().pos(), QPoint(qRound((screen.width() - outer.width()) / 2.0),
                                    qRound((screen.height() - outer.height()) / 2.0 + 250 / 15.0)));
  Form1& window = openBrowser();
  EXPECT_EQ(window.windowTitle(), "Caldorine - Useful Temperatures ");
  EXPECT_EQ(window.windowFlags() & (Qt::WindowType_Mask | Qt::WindowCloseButtonHint |
                                    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
            Qt::Tool | Qt::WindowCloseButtonHint);
  EXPECT_EQ(window.minimumSize(), QSize(296, 109));
  EXPECT_EQ(window.maximumSize(), QSize(296, 109));
  EXPECT_EQ(
      window.windowIcon().pixmap(16).toImage(),
      QImage(":/art/THERMOMETERSMALL.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
  harness::expectLayout({{window.List1, 50, 100, 1815, 1425, "", 8.25, false},
                         {window.List2, 1970, 100, 2415, 1425, "", 8.25, false}});
  EXPECT_EQ(itemsOf(window.List1), qtList(presets::categoryTexts()));
  EXPECT_EQ(window.List2->count(), 0);
  harness::expectTabOrder({window.List1, window.List2});
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
  pickDecimalPlaces(3);  // waits for Convert
  openBrowser();
  for (const auto& [category, subTopic, direction, from, to] : cases) {
    SCOPED_TRACE(std::string(subTopic) + " in direction " + std::to_string(direction));
    chooseCategory(category);
    QTest::mouseClick(direction == 1 ? form->Option1 : form->Option2, Qt::LeftButton);
    QWidget* focusBefore = form->focusWidget();
    chooseSubTopic(subTopic);
    EXPECT_EQ(form->Text1->text() + " " + form->Text2->text(), from + " " + to);
    EXPECT_EQ(Module1::valueToConvert, from.toFloat());
    EXPECT_EQ(browser().List2->text(), qt(subTopic));
    EXPECT_EQ(form->focusWidget(), focusBefore);
  }
}

// A heading converts nothing; it lists the foods of its method, whose values
// then follow the method chosen, until the other heading is chosen.
TEST_F(PresetBrowserTest, FoodListFollowsTheCookingMethodChosen) {
  openBrowser();
  const ui::ListBox* list = browser().List2;
  // Heading chosen (empty: stay in the list shown), direction, Turkey's text.
  const std::tuple<std::string_view, int, QString> steps[] = {
      {presets::kMicrowaveHeading, 1, "195"},
      {{}, 2, "91"},
      {presets::kStoveOvenHeading, 2, "77"},
      {{}, 1, "170"},
  };
  for (const auto& [heading, direction, turkey] : steps) {
    SCOPED_TRACE(std::string(heading) + " direction " + std::to_string(direction));
    this->direction(direction);
    if (!heading.empty()) {
      const QString before = form->Text1->text();
      chooseCategory(presets::kFoodCookingCategory);
      EXPECT_EQ(itemsOf(list), qtList(presets::subTopicsOf(presets::kFoodCookingCategory)));
      chooseSubTopic(heading);
      EXPECT_EQ(itemsOf(list).first(), qt(heading));
      EXPECT_EQ(list->count(), 13);
      EXPECT_TRUE(list->selectedItems().isEmpty());
      EXPECT_EQ(form->Text1->text(), before);
    }
    chooseSubTopic("Turkey");
    EXPECT_EQ(form->Text1->text(), turkey);
  }
}

TEST_F(PresetBrowserTest, DescriptionShowsOverTheSubTopicsWithTheTwoNamesInRed) {
  Form1& window = openBrowser();
  chooseCategory("Earth");
  ASSERT_EQ(window.List2->count(), 2);
  chooseCategory(presets::kAboutScalesCategory);
  EXPECT_EQ(window.List2->count(), 0);
  ASSERT_TRUE(descriptionShown());
  QTextEdit& box = *window.RichTextBox1;
  EXPECT_EQ(box.geometry(), QRect(130, 6, 163, 97));
  EXPECT_TRUE(box.isReadOnly());
  EXPECT_EQ(window.childAt(window.List2->geometry().center())->parentWidget(), &box);
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
  EXPECT_EQ(red, "Daniel Gabriel FahrenheitAnders Celsius");
  // The reader can select and copy it.
  EXPECT_EQ(box.textInteractionFlags(), Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  chooseCategory("Wood fire ");
  EXPECT_FALSE(descriptionShown());
  EXPECT_EQ(itemsOf(window.List2), qtList(presets::subTopicsOf("Wood fire ")));
}

TEST_F(PresetBrowserTest, ListShowsOneBrowserThatReopensFreshAfterClosing) {
  Form1* first = &openBrowser();
  chooseCategory("Earth");
  EXPECT_EQ(&openBrowser(), first);
  EXPECT_EQ(std::pair(first->List2->count(), Module1::browserShown), std::pair(2, int16_t(1)));
  chooseCategory(presets::kFoodCookingCategory);
  chooseSubTopic(presets::kMicrowaveHeading);
  chooseCategory(presets::kAboutScalesCategory);
  closeBrowser();
  EXPECT_FALSE(ui::IsLoaded<Form1>());
  EXPECT_EQ(Module1::browserShown, 0);

  Form1& again = openBrowser();
  EXPECT_EQ(itemsOf(again.List1), qtList(presets::categoryTexts()));
  EXPECT_TRUE(again.List1->selectedItems().isEmpty());
  EXPECT_EQ(again.List2->count(), 0);
  EXPECT_FALSE(descriptionShown());
  // The cooking method outlives the window and still picks the food values.
  chooseCategory(presets::kFoodCookingCategory);
  chooseSubTopic(presets::kMicrowaveHeading);
  chooseSubTopic("Marlin");
  EXPECT_EQ(form->Text1->text(), "165");

  // Typing clears the sub-topic, which loads a closed browser again, unseen.
  closeBrowser();
  type("7");
  EXPECT_TRUE(ui::IsLoaded<Form1>());
  EXPECT_FALSE(browser().isVisible());
  ui::Unload<frmtemperature>();  // takes the browser with it
  EXPECT_FALSE(ui::IsLoaded<Form1>());
}

TEST_F(PresetBrowserTest, TypingDirectionAndDragClearTheSubTopic) {
  const std::tuple<const char*, std::function<void()>, bool> cases[] = {
      {"digit", [this] { type("5"); }, true},
      {"backspace", [this] { QTest::keyClick(form->Text1, Qt::Key_Backspace); }, true},
      {"letter", [this] { type("x"); }, false},
      {"other direction", [this] { QTest::mouseClick(form->Option2, Qt::LeftButton); }, true},
      {"same direction again", [this] { QTest::mouseClick(form->Option1, Qt::LeftButton); }, true},
      {"drag", [this] { dragTo(-0.5f); }, true},
  };
  openBrowser();
  chooseCategory("Food microbes");
  const ui::ListBox& list = *browser().List2;
  for (const auto& [name, action, clears] : cases) {
    SCOPED_TRACE(name);
    direction(1);
    chooseSubTopic("Rapid Growth");
    ASSERT_EQ(list.text(), "Rapid Growth");
    action();
    EXPECT_EQ(list.selectedItems().isEmpty() && list.currentRow() == -1, clears);
  }
}

}  // namespace
