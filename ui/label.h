// A label with a click handler, for labels that act as links. Tab reaches it,
// and Enter or Space follows it as a click does.
#pragma once

#include <QLabel>
#include <functional>

namespace ui {

class Label : public QLabel {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr);
  // Runs when the left button is pressed and released on the label, or a
  // following key is pressed while it has the focus.
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
