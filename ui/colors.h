// Giving a widget the back colour a window designer sets on it.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// Fills the widget's background (and the text area of an edit control)
// with the colour.
void setBackColor(QWidget* widget, const QColor& color);

}  // namespace ui
