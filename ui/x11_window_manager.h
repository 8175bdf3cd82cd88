// Which X11 window manager runs, for the few places where they differ.
#pragma once

#include <QString>

namespace ui {

// The name the running X11 window manager gives itself ("Openbox",
// "Mutter"), or an empty text where there is none or no X11 display.
QString x11WindowManagerName();

}  // namespace ui
