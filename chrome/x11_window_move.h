// The window manager's own move of a window on X11, anchored where the left
// button went down, so the window moves by exactly the pointer's travel from
// the press. A move the manager would begin after that button's release is
// never let follow the pointer or take a later press.
#pragma once

#include <QPointF>
#include <functional>

class QWindow;

namespace chrome {

// Runs `then` once every event that the X server sent before this call has
// reached the program's windows, so a release already on its way is seen
// first. False where the window is not on an X server (nothing runs).
bool afterPendingEvents(QWindow* window, std::function<void()> then);

// Starts the manager's move for a left button still held since its press at
// `pressedAt` (window coordinates, logical pixels). False where the button is
// already up, the window is not on an X server, or no window manager offers
// moves: the caller then moves the window itself. Should a press or release
// reach the program before the manager has the pointer, the manager's move
// is cancelled; if that was the left release, `releasedLate` gets its screen
// position. `ended` runs once the manager's move is over or cancelled.
bool startWindowManagerMove(QWindow* window, QPointF pressedAt,
                            std::function<void(QPointF)> releasedLate, std::function<void()> ended);

}  // namespace chrome
