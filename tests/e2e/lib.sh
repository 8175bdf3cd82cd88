# Sourced by the end-to-end tests with the program as $1: display servers of their own, the program
# on them, patient waits (a loaded machine is slow). Everything started goes with the test.
set -u
app=$1
WORK=${CALDORINE_OWN_BUS:-$(mktemp -d)}
PIDS=
trap 'kill ${APP_PID:-} $PIDS 2>/dev/null; wait 2>/dev/null; rm -rf "$WORK"' EXIT
skip() { echo "SKIP: $*"; exit 77; } && fail() { echo "FAIL: $*"; exit 1; }
[ -n "${CALDORINE_OWN_BUS:-}" ] || export DBUS_SESSION_BUS_ADDRESS=disabled:  # X11's may hang
need() { for t; do command -v "$t" >/dev/null || skip "$t is not installed (scripts/install-deps)"; done; }
# Runs a command every 0.1 s until it succeeds, at most N+1 times.
retry() { for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done; "${@:2}"; }
# Restarts the test on a session bus (and so an accessibility bus) of its own, in a home and runtime
# folder of its own (the accessibility bus's socket, a screen reader's settings) kept in $WORK.
own_accessibility_bus() {
  [ -n "${CALDORINE_OWN_BUS:-}" ] && return
  need dbus-run-session
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
  local h=$WORK/home && mkdir -m 700 "$h" "$WORK/run"
  HOME=$h XDG_RUNTIME_DIR=$WORK/run XDG_CONFIG_HOME=$h/.config XDG_CACHE_HOME=$h/.cache XDG_DATA_HOME=$h/.local \
    CALDORINE_OWN_BUS=$WORK exec dbus-run-session -- bash "$0" "$app" 2> >(grep -v '^dbus-daemon\[' >&2)
}
# Xvfb ($1: the screen's size) on a free display; -noreset: it serves on after its last client.
start_xserver() {
  need Xvfb xdotool
  Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$WORK/display" &>/dev/null & PIDS+=" $!"
  retry 100 grep -q . "$WORK/display" || skip "no X server could be started"
  export DISPLAY=":$(head -1 "$WORK/display")"
}
# A window mapped before Openbox is ready is lost; its startup command says so.
start_window_manager() {
  need openbox
  openbox --sm-disable --startup "touch $WORK/wm-ready" &>/dev/null & PIDS+=" $!"
  retry 100 test -e "$WORK/wm-ready" || skip "openbox did not start"
}
# A Wayland compositor (the command line given) serving $WORK/caldorine, with a home of its own.
start_compositor() {
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so &>/dev/null || skip "qt6-wayland is not installed"
  mkdir -p "$WORK/home" && export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK QT_QPA_PLATFORM=wayland
  "$@" &>"$WORK/compositor.log" & PIDS+=" $!"
  retry 150 test -S "$WORK/caldorine" || skip "$1 could not be started: $(tail -2 "$WORK/compositor.log")"
  export WAYLAND_DISPLAY=caldorine && unset DISPLAY
}
start_mutter() { need mutter; start_compositor mutter --headless --wayland --no-x11 \
  --virtual-monitor 1024x768 --wayland-display=caldorine; }
# KWin's own Qt plugin loads only in a program of its name; a copy lacks the file capability that a
# container may not grant.
start_kwin() {
  need kwin_wayland && mkdir "$WORK/kwin" && cp "$(command -v kwin_wayland)" "$WORK/kwin"
  KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 start_compositor "$WORK/kwin/kwin_wayland" --virtual --socket caldorine
}
# Presses the program's button of this name through the accessibility bus.
press() { /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$1" || fail "could not press $1"; }
# The program, its environment amended by the arguments (numbers in English unless they say
# otherwise), as APP_PID; its window as win.
start_app() {
  LC_ALL=C.UTF-8 env "$@" "$app" 2>/dev/null & APP_PID=$!
  win=$(wait_for_window Caldorine) || fail "no window named Caldorine appeared"
}
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .; }
wait_for_window() { retry 400 window_id "$1"; } && ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
# Fails unless the program ends within 10 s with status 0; $1 says what ended it.
expect_clean_exit() {
  retry 100 ended || fail "$1 did not end the program"
  wait "$APP_PID"; local status=$? && APP_PID=
  [ "$status" -eq 0 ] || fail "$1: exit status $status"
}
# Window $1's outer rectangle, its manager's frame included, as "left top right bottom".
outer() { xwininfo -id "$1" | awk -v f="$(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 ')" 'BEGIN {split(f, e)}
  /Absolute upper-left X/ {l = $NF} /Absolute upper-left Y/ {t = $NF} /Width/ {w = $NF} /Height/ {h = $NF}
  END {print l - e[1], t - e[3], l + w + e[2], t + h + e[4]}'; }
# The window's top left corner on the screen, as "x y ".
position() { xwininfo -id "$win" | awk '/Absolute upper-left [XY]/ {printf "%s ", $NF}'; }
near() { awk -v a="$(position)" -v b="$1" 'BEGIN { split(a, g); split(b, w); exit (g[1] - w[1])^2 > 4 || (g[2] - w[2])^2 > 4 }'; }
expect_position() { retry 50 near "$1" || fail "$2: window at $(position), expected $1"; }
# Presses button $5 (1 by default) at window pixel $1,$2, moves by $3,$4 in two steps, releases.
drag() {
  local left top b=${5:-1} && read -r left top <<<"$(position)"
  local x=$((left + $1)) y=$((top + $2))
  xdotool mousemove $x $y mousedown $b sleep 0.1 mousemove $((x + $3 / 2)) $((y + $4 / 2)) \
    sleep 0.1 mousemove $((x + $3)) $((y + $4)) mouseup $b sleep 0.3
}
