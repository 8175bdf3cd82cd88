// Qt meets a start with no display by aborting, with advice to reinstall.
// Here such a start ends with status 1 and one line on stderr that names
// what is missing. Neither check costs a start that has its display anything;
// both leave a window system other than X11 and Wayland (offscreen, for one)
// to Qt.
#pragma once

namespace app {

// Before the QApplication is made: false, having said so, when no display is
// named at all (neither DISPLAY nor WAYLAND_DISPLAY).
bool displayNamed(int argc, char* argv[]);

// While one lives, a named display that cannot be opened ends the program
// with that line and status 1; make one around the QApplication's
// construction.
class DisplayFailureExit {
 public:
  DisplayFailureExit(int argc, char* argv[]);
  ~DisplayFailureExit();
  DisplayFailureExit(const DisplayFailureExit&) = delete;
  DisplayFailureExit& operator=(const DisplayFailureExit&) = delete;

 private:
  bool installed_;
};

}  // namespace app
