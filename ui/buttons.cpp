#include "ui/buttons.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace ui {

namespace {

// The classic option button's proportions: a 13-pixel circle with its
// caption 3 pixels on, so a caption that fills the button shows whole, and
// its focus frame fits around it.
class OptionStyle : public QProxyStyle {
 public:
  OptionStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(qApp);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    switch (metric) {
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
        return 13;
      case PM_RadioButtonLabelSpacing:
        return 3;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

}  // namespace

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void CommandButton::Press() {
  if (onClick) onClick();
}

void CommandButton::SetFocus() {
  // Styles draw the ring only once the window's focus has moved by keyboard.
  window()->setAttribute(Qt::WA_KeyboardFocusChange);
  setFocus(Qt::OtherFocusReason);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  static OptionStyle* const style = new OptionStyle;
  setStyle(style);
  connect(this, &QRadioButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void OptionButton::setValue(bool chosen) {
  if (chosen) {
    setChecked(true);
    if (onClick) onClick();
    return;
  }
  // An exclusive option cannot be unchecked directly.
  const bool exclusive = autoExclusive();
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(exclusive);
}

}  // namespace ui
