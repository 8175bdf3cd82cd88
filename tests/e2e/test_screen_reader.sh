#!/usr/bin/env bash
# The program as a screen reader meets it (screen_reader.py), on a desktop of its own; then the
# manager's close (Alt+F4) ends it with status 0.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
start_xserver
start_window_manager
start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
xdotool windowactivate --sync "$win" || fail "could not activate the window"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "what a screen reader meets, above"
xdotool windowactivate --sync "$win" key alt+F4
expect_clean_exit "the window manager's close"
