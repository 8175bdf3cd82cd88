#include "ui/designed_style.h"

#include <QAbstractScrollArea>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace ui {

namespace {

class DesignedStyle : public QProxyStyle {
 public:
  DesignedStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  // The classic option button: a 13-pixel circle with its caption 3 pixels
  // on, so a caption that fills the button shows whole, and its focus frame
  // fits around it.
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

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion outlines a button with the focus only once a key moved it
    // there; the dotted frame inside shows it from the start.
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(*option);
      focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
      drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect) {
      // Fusion's is a faint tint, drawn only after a key moved the focus;
      // this one shows from the start, dark on light and light on dark.
      QColor back = option->palette.color(QPalette::Window);
      if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option))
        if (focus->backgroundColor.isValid()) back = focus->backgroundColor;
      drawFocusFrame(*painter, option->rect, back.value() >= 128 ? Qt::black : Qt::white);
      return;
    }
    if (element == PE_IndicatorRadioButton) {
      // A white circle in a dark ring on any panel: Fusion rings it in a
      // shade of the window's colour, faint on orange.
      QStyleOption circle(*option);
      circle.palette.setColor(QPalette::Base, Qt::white);
      circle.palette.setColor(QPalette::Window, QColor(96, 96, 96));
      return QProxyStyle::drawPrimitive(element, &circle, painter, widget);
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A list or text area shows its focus on its frame, empty or not.
    if (element == PE_Frame && (option->state & State_HasFocus) &&
        qobject_cast<const QAbstractScrollArea*>(widget)) {
      painter->save();
      painter->setPen(option->palette.color(QPalette::Highlight));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
      painter->restore();
    }
  }
};

}  // namespace

QStyle* createDesignedStyle() { return new DesignedStyle; }

void drawFocusFrame(QPainter& painter, const QRectF& rect, const QColor& color) {
  // The device pixels wholly inside the rectangle; at a fractional scale
  // its edges fall inside pixels, which are left alone.
  const QRectF device = painter.deviceTransform().mapRect(rect);
  const double left = std::ceil(device.left()), top = std::ceil(device.top());
  const double right = std::floor(device.right()) - 1, bottom = std::floor(device.bottom()) - 1;
  if (right < left || bottom < top) return;
  painter.save();
  // Painting in device pixels: one pixel on, one off.
  painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen dotted(color, 1);
  dotted.setDashPattern({1.0, 1.0});
  painter.setPen(dotted);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top));
  painter.restore();
}

}  // namespace ui
