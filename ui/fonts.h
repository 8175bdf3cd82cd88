// The windows name classic desktop font faces that Linux does not have; this
// maps each to an installed face of the same kind at the same point size.
#pragma once

#include <QFont>
#include <QString>

namespace ui {

// "MS Sans Serif" and "Arial" become a sans-serif face, "MS Serif" a serif
// one; an unknown face keeps its name with a sans-serif fallback.
QFont mappedFont(const QString& face, double points, bool bold = false);

}  // namespace ui
