// The "Useful Temperatures" browser as a person uses it: opened from List, clicked through, closed
// and opened again, and what its presets do to the main window.
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <functional>

#include "about/Form2.h"
#include "chrome/module1.h"
#include "harness.h"
#include "presets/Form1.h"
#include "presets/preset_catalogue.h"
#include "ui/image.h"
#include "ui/list_box.h"

namespace {

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

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
  // Clicks the item with exactly this text in the categories (1) or the sub-topics (2).
  void choose(int list, std::string_view text) {
    ui::ListBox* box = list == 1 ? browser().List1 : browser().List2;
    const auto found = box->findItems(qt(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << text;
    box->scrollToItem(found.first());
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                      box->visualItemRect(found.first()).center());
  }
  bool describing() { return browser().RichTextBox1 && browser().RichTextBox1->isVisible(); }
};

TEST_F(PresetBrowserTest, LoadedHiddenAtStartAsAFixedToolWindowBelowTheScreenCentre) {
  EXPECT_TRUE(ui::IsLoaded<Form1>() && !browser().isVisible());
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
  EXPECT_EQ(std::pair(window.minimumSize(), window.maximumSize()),
            std::pair(QSize(296, 109), QSize(296, 109)));
  EXPECT_EQ(
      window.windowIcon().pixmap(16).toImage(),
      QImage(":/art/THERMOMETERSMALL.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
  harness::expectLayout({{window.List1, 50, 100, 1815, 1425, "", 8.25, false},
                         {window.List2, 1970, 100, 2415, 1425, "", 8.25, false}});
  harness::expectTabOrder({window.List1, window.List2});
  EXPECT_EQ(harness::painted(window.List1).pixel(50, 0), qRgb(0, 0, 128)) << "its focus ring's top";
  EXPECT_EQ(itemsOf(window.List1), qtList(presets::categoryTexts()));
}

// In the direction chosen now, through the direction's own button, not Convert: a pending decimal-
// places pick stays pending (two places) and the focus stays put. A heading converts nothing; it
// lists the foods of its method, whose values then follow the method, until the other is chosen.
TEST_F(PresetBrowserTest, SubTopicConvertsItsValueInTheCurrentDirection) {
  // Category (or food-list heading) and sub-topic chosen, direction, then 'From' and 'To'.
  const std::tuple<std::string_view, std::string_view, int, QString> cases[] = {
      {"Human body ", "Mean body temperature", 2, "36.78 | 98.20"},
      // Measured apart: the stored Celsius goes in, not a conversion.
      {"Metal melting points", "Mercury", 2, "-38.3 | -36.94"},
      {"Stellar surface", "Blue (Type O)", 2, "45000 | 81,032.00"},
      {presets::kMicrowaveHeading, "Turkey", 1, "195 | 90.56"},
      {{}, "Turkey", 2, "91 | 195.80"},
      {presets::kStoveOvenHeading, "Turkey", 2, "77 | 170.60"},
      {{}, "Turkey", 1, "170 | 76.67"},
  };
  harness::pickByMouse(form->Combo1, 3);  // 4 places, left pending
  openBrowser();
  for (const auto& [category, subTopic, chosen, shown] : cases) {
    SCOPED_TRACE(std::string(subTopic) + " in direction " + std::to_string(chosen));
    QTest::mouseClick(chosen == 1 ? form->Option1 : form->Option2, Qt::LeftButton);
    const QString before = form->Text1->text();
    QWidget* focus = form->focusWidget();
    if (category.find("Foods") == 0) {
      choose(1, presets::kFoodCookingCategory);
      EXPECT_EQ(itemsOf(browser().List2),
                qtList(std::vector{presets::kStoveOvenHeading, presets::kMicrowaveHeading}));
      choose(2, category);
      EXPECT_EQ(itemsOf(browser().List2).first(), qt(category));
      EXPECT_EQ(browser().List2->count(), 13);
      EXPECT_EQ(form->Text1->text(), before);
      QTest::keyClick(browser().List2, Qt::Key_Down);  // the keyboard goes on to the foods
      EXPECT_EQ(browser().List2->text(), itemsOf(browser().List2).value(1));
    } else if (!category.empty()) {
      choose(1, category);
    }
    choose(2, subTopic);
    EXPECT_EQ(form->Text1->text() + " | " + form->Text2->text(), shown);
    EXPECT_EQ(Module1::valueToConvert, form->Text1->text().toFloat());
    EXPECT_TRUE(browser().List2->text() == qt(subTopic) && form->focusWidget() == focus);
    for (const QListWidgetItem* item : browser().List2->findItems("*", Qt::MatchWildcard))
      EXPECT_EQ(item->data(Qt::AccessibleDescriptionRole).toString(),
                item->isSelected() ? form->PicTherm->description() : QString());
  }
}

TEST_F(PresetBrowserTest, DescriptionShowsOverTheSubTopicsWithTheTwoNamesInRed) {
  Form1& window = openBrowser();
  choose(1, "Earth");
  ASSERT_EQ(window.List2->count(), 2);
  choose(1, presets::kAboutScalesCategory);
  EXPECT_EQ(window.List2->count(), 0);
  ASSERT_TRUE(describing());
  EXPECT_FALSE(window.List2->isVisible()) << "a covered list takes no Tab";
  QTextEdit& box = *window.RichTextBox1;
  EXPECT_EQ(std::pair(box.geometry(), box.isReadOnly()), std::pair(QRect(130, 6, 163, 97), true));
  EXPECT_EQ(window.childAt(window.List2->geometry().center())->parentWidget(), &box);
  EXPECT_EQ(box.toPlainText(), qt(presets::scalesDescription().text));
  EXPECT_EQ(std::pair(box.textCursor().position(), box.textCursor().hasSelection()),
            std::pair(1, false));
  QString red = QString::number(box.toPlainText().size()) + " characters;";
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
    for (auto piece = block.begin(); !piece.atEnd(); ++piece)
      if (piece.fragment().charFormat().foreground().color() == Qt::red)
        red += QString(" at %1: %2").arg(piece.fragment().position()).arg(piece.fragment().text());
  EXPECT_EQ(red, "420 characters; at 36: Daniel Gabriel Fahrenheit at 287: Anders Celsius");
  choose(1, "Wood fire ");
  EXPECT_TRUE(!describing() && window.List2->isVisible());
  EXPECT_EQ(itemsOf(window.List2), qtList(presets::subTopicsOf("Wood fire ")));
}

// The cooking method outlives the window; what changes the main window's value clears the sub-
// topic, and loads a closed browser again, unseen; the main window's unload takes it along.
TEST_F(PresetBrowserTest, ListShowsOneBrowserThatReopensFreshAfterClosing) {
  Form1* first = &openBrowser();
  EXPECT_EQ(&openBrowser(), first);
  EXPECT_EQ(Module1::browserShown, 1);
  QTest::mouseClick(form->Min, Qt::LeftButton);  // minimised, the browser goes too; restored, back
  EXPECT_FALSE(first->isVisible());
  form->Show();
  EXPECT_TRUE(first->isVisible());
  choose(1, presets::kFoodCookingCategory);
  choose(2, presets::kMicrowaveHeading);
  choose(1, presets::kAboutScalesCategory);
  closeBrowser();
  EXPECT_FALSE(ui::IsLoaded<Form1>());
  EXPECT_EQ(Module1::browserShown, 0);
  Form1& again = openBrowser();
  EXPECT_EQ(std::tuple(again.List1->count(), again.List1->selectedItems().size(),
                       again.List2->count(), describing()),
            std::tuple(12, 0, 0, false));
  choose(1, presets::kFoodCookingCategory);
  choose(2, presets::kMicrowaveHeading);
  choose(2, "Marlin");
  EXPECT_EQ(form->Text1->text(), "165");
  // A typed digit, either direction and a drag leave no sub-topic selected.
  for (const auto& change :
       std::initializer_list<std::function<void()>>{[&] { type("5"); }, [&] { direction(2); },
                                                    [&] { direction(1); }, [&] { dragTo(-.5f); }}) {
    choose(2, "Marlin");
    change();
    EXPECT_TRUE(browser().List2->selectedItems().isEmpty() && browser().List2->currentRow() < 0);
  }
  closeBrowser();
  type("7");
  EXPECT_TRUE(ui::IsLoaded<Form1>() && !browser().isVisible());
  ui::Unload<frmtemperature>();
  EXPECT_FALSE(ui::IsLoaded<Form1>());
}

// Help asked for in the browser gives the keyboard back to it when About closes.
TEST_F(PresetBrowserTest, AboutReturnsTheKeyboardToTheWindowItWasOpenedFrom) {
  Form1& window = openBrowser();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.List1, Qt::Key_F1);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&ui::Instance<Form2>()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A long entry is cut at the list's edge; no sideways scroll bar hides a row.
TEST_F(PresetBrowserTest, ListsNeverScrollSideways) {
  Form1& window = openBrowser();
  choose(1, "Human body ");
  QCoreApplication::processEvents();  // lays the list out
  for (const ui::ListBox* list : {window.List1, window.List2}) {
    EXPECT_EQ(list->viewport()->height(), list->height() - 2 * list->frameWidth());
    EXPECT_EQ(list->horizontalScrollBar()->value(), 0);
  }
}

}  // namespace
