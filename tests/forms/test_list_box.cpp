// The list box: the user's picks run its click handler, the program's
// changes never do, and a text that matches no item selects nothing.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "ui/list_box.h"

namespace {

TEST(ListBox, OnlyTheUsersPicksRunTheClickHandler) {
  ui::ListBox list;
  list.resize(200, 150);
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  const auto fill = [&] {
    for (auto text : {"One", "Two", "two", "Three"}) list.AddItem(text);
  };
  const auto clickRow = [&](int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
  };
  // What is done, then the clicks counted so far, the selected text and the current row.
  const std::tuple<const char*, std::function<void()>, int, QString, int> cases[] = {
      {"items added", fill, 0, "", -1},
      {"matching text", [&] { list.setText("Two"); }, 0, "Two", 1},
      {"text matches case too", [&] { list.setText("two"); }, 0, "two", 2},
      {"blank matches nothing", [&] { list.setText(" "); }, 0, "", -1},
      {"mouse click", [&] { clickRow(0); }, 1, "One", 0},
      {"click on the selected item", [&] { clickRow(0); }, 2, "One", 0},
      {"arrow key", [&] { QTest::keyClick(&list, Qt::Key_Down); }, 3, "Two", 1},
      {"text with a trailing blank", [&] { list.setText("Two "); }, 3, "", -1},
      {"click after clearing the selection", [&] { clickRow(1); }, 4, "Two", 1},
      {"cleared", [&] { list.Clear(); }, 4, "", -1},
  };
  for (const auto& [name, action, clicksSoFar, text, currentRow] : cases) {
    SCOPED_TRACE(name);
    action();
    EXPECT_EQ(clicks, clicksSoFar);
    EXPECT_EQ(list.text(), text);
    EXPECT_EQ(list.currentRow(), currentRow);
    EXPECT_EQ(list.selectedItems().size(), text.isEmpty() ? 0 : 1);
  }
  EXPECT_EQ(list.ListCount(), 0);
}

}  // namespace
