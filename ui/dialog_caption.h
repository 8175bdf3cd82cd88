// The caption bar a fixed dialog draws itself where the desktop would draw
// one with more buttons than the dialog has (Wayland): the window's icon, its
// title, shortened with an ellipsis when it does not fit, and a close box.
// Dragging the bar moves the window.
#pragma once

#include <QWidget>

class QAbstractButton;

namespace ui {

class DialogCaption : public QWidget {
  Q_OBJECT
 public:
  // Made on the window it captions, across its top.
  explicit DialogCaption(QWidget* window);

  // The bar's height for the window's font.
  static int heightFor(const QWidget& window);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The window's title, icon and activation show at once.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractButton* closeBox_;
};

}  // namespace ui
