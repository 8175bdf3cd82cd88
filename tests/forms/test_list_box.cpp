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

  struct Case {
    const char* name;
    std::function<void()> action;
    int clicks;
    QString text;
    int currentRow;
  };
  const auto clickRow = [&](int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(row)).center());
  };
  const Case cases[] = {
      {"items added",
       [&] {
         for (const char* t : {"One", "Two", "two", "Three"}) list.AddItem(t);
       },
       0, "", -1},
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.action();
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(list.text(), c.text);
    EXPECT_EQ(list.currentRow(), c.currentRow);
    EXPECT_EQ(list.selectedItems().size(), c.text.isEmpty() ? 0 : 1);
  }
  EXPECT_EQ(list.ListCount(), 0);
}

}  // namespace
