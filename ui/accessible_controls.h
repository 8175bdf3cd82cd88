// The form layer's own controls as assistive technology sees them: pictures
// that act as buttons are buttons named by their tooltip, whose press action
// is a click with the left button; a drawing surface's description is what
// its drawing shows, worked out when asked for.
#pragma once

namespace ui {

// Call once, after the QApplication is made.
void installAccessibleControls();

}  // namespace ui
