// The look and the lifetime rules every run of the program shares, the
// tests' included.
#pragma once

class QWidget;

namespace app {

// Call once, right after the QApplication is made.
void configureApplication();

// Gives every window the program's icon once `window` has painted its first
// frame: decoding it at every size window lists use would only delay that
// frame, and no one sees an icon before it.
void setIconAfterFirstFrame(QWidget& window);

}  // namespace app
