// A label with a click handler, for labels that act as links.
#pragma once

#include <QLabel>
#include <functional>

namespace ui {

class Label : public QLabel {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr);
  // Runs when the left button is pressed and released on the label.
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace ui
