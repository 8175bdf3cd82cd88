// A drawing surface as assistive technology sees it: its description is
// what its drawing shows, worked out when asked for.
#pragma once

namespace ui {

// Call once, after the QApplication is made.
void installAccessiblePictureBoxes();

}  // namespace ui
