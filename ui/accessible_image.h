// Pictures that act as buttons, as assistive technology sees them: a button
// named by its tooltip whose press action is a click with the left button.
#pragma once

namespace ui {

// Call once, after the QApplication is made.
void installAccessibleImages();

}  // namespace ui
