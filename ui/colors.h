// Giving a widget the back colour a window designer sets on it.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// The colour the widget paints its face and text area in. Controls that
// paint no background show their container's, the same panel colour.
void setBackColor(QWidget* widget, const QColor& color);

}  // namespace ui
