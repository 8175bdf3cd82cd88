// A captionless frame: its back colour throughout, inside an etched outline.
// The toolkit's own group box tints its inside, which would show as a box of
// another colour behind the controls it holds.
#pragma once

#include <QGroupBox>

namespace ui {

class Frame : public QGroupBox {
  Q_OBJECT
 public:
  explicit Frame(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
