// A static picture that reports mouse presses and releases. It keeps the
// mouse while a button is held, so the release arrives wherever the pointer
// is let go.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

namespace ui {

class Image : public QLabel {
  Q_OBJECT
 public:
  explicit Image(QWidget* parent = nullptr);

  // Drawn unscaled at the top left.
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

  // The button code (1 left, 2 right, 4 middle) and the shift state. A press
  // is reported for the first button pressed, a release when the last held
  // button is let go, so a hold is one press and one release whatever the
  // buttons do meanwhile.
  using MouseHandler = std::function<void(int button, int shift)>;
  MouseHandler onMouseDown, onMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace ui
