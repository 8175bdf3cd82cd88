// Fontconfig reads its configuration files and font caches the first time
// text is measured, which is in the middle of building the first window.
// Read on a thread of its own while the program connects to the display,
// which mostly waits for the X server, that work is done by the time it is
// needed.
#pragma once

#include <thread>

namespace app {

class FontConfigWarmUp {
 public:
  // Starts reading; with no thread to spare, the first text reads instead.
  FontConfigWarmUp();
  // Waits until the reading is done.
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

 private:
  std::thread reader_;
};

}  // namespace app
