// The colours and font a designed window keeps whatever the desktop says: a
// dark colour scheme or a large application font leaves a fixed layout as
// it was drawn.
#pragma once

#include <QPalette>
#include <QWidget>

namespace ui {

// Dark text on light faces, white boxes, a dark blue selection with white
// text, grey for what is disabled: every role of every state, none left to
// the desktop.
QPalette designedPalette();

// Gives the window that palette and the default dialog font, each in full,
// so its controls inherit nothing from the desktop's scheme or font.
void keepDesignedLook(QWidget* window);

}  // namespace ui
