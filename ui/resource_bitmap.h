// Bitmaps built into the program, found by their resource name.
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// The bitmap ":/art/<name>.bmp"; a null pixmap when there is none.
QPixmap LoadResBitmap(const QString& name);

}  // namespace ui
