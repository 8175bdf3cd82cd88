// The window manager's own move of a window on X11, asked for with the
// pointer's place at the press, so the window keeps the offset it had from
// the pointer however far the pointer went before the move began.
#pragma once

#include <QPoint>

class QWindow;

namespace chrome {

// Starts the manager's move of the window for a left button held since the
// pointer was `travel` logical pixels back. False where the window is not on
// an X server or no window manager offers moves.
bool startWindowManagerMove(QWindow* window, QPoint travel);

}  // namespace chrome
