#!/usr/bin/env bash
# The real program as a screen reader meets it, on a desktop of its own: a
# private session bus with the accessibility bus, an X server and a window
# manager. screen_reader.py reads the tree, works every task by keyboard and
# checks what would be spoken.
set -u
app=$1
here=$(dirname "$0")
. "$here/lib.sh"

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "at-spi2-core is not installed (scripts/install-deps installs it)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
command -v openbox >/dev/null || skip "openbox is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
if [ -z "${CALDORINE_SESSION_BUS:-}" ]; then
  CALDORINE_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@"
  status=$?
  [ "$status" -eq 127 ] && skip "no session bus could be started"
  exit "$status"
fi

start_xserver
"$launcher" --launch-immediately >/dev/null 2>&1 &
BUS_PID=$!
# Openbox names itself on the root before it manages windows, and a window
# mapped meanwhile is lost; it runs its startup command once it is ready.
ready=$(mktemp -u)
openbox --startup "touch $ready" >/dev/null 2>&1 &
WM_PID=$!
trap 'kill $BUS_PID $WM_PID 2>/dev/null; rm -f "$ready"; stop_xserver' EXIT
for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
kill -0 "$BUS_PID" 2>/dev/null || skip "the accessibility bus could not be started"
[ -e "$ready" ] || skip "the window manager could not be started"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" 2>/dev/null &
APP_PID=$!
win=$(wait_for_window Caldorine) || fail "no window named Caldorine appeared"
# The keyboard goes to the program, wherever the manager put the focus.
xdotool windowactivate --sync "$win" || fail "could not activate the window"
/usr/bin/python3 "$here/screen_reader.py" || fail "what a screen reader meets, above"
echo "ok: named controls, a slider thermometer, every task by keyboard, each result heard once"
