// Bitmaps built into the program, found by their resource name.
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// The bitmap ":/art/<name>.bmp", or its "@2x" version on dense screens; a
// null pixmap when there is none.
QPixmap LoadResBitmap(const QString& name);

}  // namespace ui
