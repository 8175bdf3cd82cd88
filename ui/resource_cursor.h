// Mouse cursors built into the program, found by their resource name.
#pragma once

#include <QCursor>
#include <QString>

namespace ui {

// The cursor drawn in ":/art/<name>.png" with its hotspot "x y" in
// ":/art/<name>.hotspot".
QCursor LoadResCursor(const QString& name);

}  // namespace ui
