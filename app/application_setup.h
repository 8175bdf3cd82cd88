// The look and the lifetime rules every run of the program shares, the
// tests' included.
#pragma once

namespace app {

// Call once, right after the QApplication is made.
void configureApplication();

}  // namespace app
