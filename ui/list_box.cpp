#include "ui/list_box.h"

#include <QMouseEvent>

namespace ui {

namespace {

// Runs a change made by the program without it counting as the user's.
class ProgramChange {
 public:
  explicit ProgramChange(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~ProgramChange() { flag_ = before_; }
  ProgramChange(const ProgramChange&) = delete;
  ProgramChange& operator=(const ProgramChange&) = delete;

 private:
  bool& flag_;
  bool before_;
};

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A long entry is cut at the edge: a sideways scroll bar would hide a row.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideNone);
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    // A deselection (Ctrl+click) picks nothing, so there is nothing to run.
    if (programChanging_ || selectedItems().isEmpty()) return;
    if (onClick) onClick();
  });
}

void ListBox::mousePressEvent(QMouseEvent* event) {
  // Clicking the selected item changes no selection, yet it is a pick.
  QListWidgetItem* target = itemAt(event->position().toPoint());
  const bool repick = target && target->isSelected() && event->button() == Qt::LeftButton;
  QListWidget::mousePressEvent(event);
  if (repick && target->isSelected() && onClick) onClick();
}

void ListBox::AddItem(const QString& text) {
  ProgramChange change(programChanging_);
  addItem(text);
}

void ListBox::Clear() {
  ProgramChange change(programChanging_);
  clear();
}

QString ListBox::text() const {
  const auto selected = selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

void ListBox::SelectNone() {
  clearSelection();
  setCurrentRow(-1);
}

}  // namespace ui
