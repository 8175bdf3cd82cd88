// Which window system and X11 window manager run, for the few places where
// they differ.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Whether the program is a Wayland client.
bool onWayland();

// The name the running X11 window manager gives itself ("Openbox",
// "Mutter"), or an empty text where there is none or no X11 display.
QString x11WindowManagerName();

// Under Openbox, which offers minimise to every dialog and utility window,
// makes a fixed dialog's caption offer close only; elsewhere nothing.
void offerOnlyCloseUnderOpenbox(QWidget& dialog);

}  // namespace ui
