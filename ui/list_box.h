// A single-selection list box: items added in order or cleared, the selected
// item's text, and a click handler that runs when the user picks an item
// with the mouse (the selected one too) or the keyboard, never when the
// program changes the list. A long entry is cut at the edge.
#pragma once

#include <QListWidget>
#include <functional>

namespace ui {

class ListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit ListBox(QWidget* parent = nullptr);
  std::function<void()> onClick;

  void AddItem(const QString& text);
  void Clear();

  // The selected item's text; empty when nothing is selected.
  QString text() const;
  // Nothing selected and no current item, as when the list's text is set to
  // one that matches no item; no click.
  void SelectNone();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool programChanging_ = false;
};

}  // namespace ui
