// The program's one style: the toolkit's Fusion look, with the classic
// option-button proportions and a focus mark that is seen on every control
// at every scale and against every background.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QStyle>

namespace ui {

// A new instance; the application takes it with QApplication::setStyle.
QStyle* createDesignedStyle();

// The classic focus mark: every other device pixel along the inside edge of
// `rect` (logical units), one device pixel thick at any scale.
void drawFocusFrame(QPainter& painter, const QRectF& rect, const QColor& color);

}  // namespace ui
