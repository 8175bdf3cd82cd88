# Shared by the end-to-end tests, sourced with the program as $1: display
# servers of the test's own, the program on them, and patient waits (a loaded
# machine is slow). Everything started goes with the test.
set -u
app=$1
WORK=$(mktemp -d)
PIDS=
finish() {
  kill ${APP_PID:-} $PIDS 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap finish EXIT

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
need() { for t; do command -v "$t" >/dev/null || skip "$t is not installed (scripts/install-deps)"; done; }
# Runs a command every 0.1 s until it succeeds, at most N+1 times.
retry() {
  local n=$1
  shift
  for _ in $(seq "$n"); do "$@" && return 0; sleep 0.1; done
  "$@"
}

# Restarts the test on a session bus of its own, whose accessibility bus no
# program of a desktop shares.
own_accessibility_bus() {
  [ -n "${CALDORINE_OWN_BUS:-}" ] && return
  need dbus-run-session
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
  rm -rf "$WORK"
  CALDORINE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$app" 2> >(grep -v '^dbus-daemon\[' >&2)
}

# Xvfb ($1: the screen's size) names a free display once it is ready, so tests
# side by side never share one; -noreset keeps it from refusing connections
# whenever its last client leaves.
start_xserver() {
  need Xvfb xdotool
  Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$WORK/display" &>/dev/null &
  PIDS+=" $!"
  retry 100 grep -q . "$WORK/display" || skip "no X server could be started"
  export DISPLAY=":$(head -1 "$WORK/display")"
}

# Openbox names itself on the root before it manages windows, and a window
# mapped meanwhile is lost; its startup command runs once it is ready.
start_window_manager() {
  need openbox
  openbox --sm-disable --startup "touch $WORK/wm-ready" &>/dev/null &
  PIDS+=" $!"
  retry 100 test -e "$WORK/wm-ready" || skip "openbox did not start"
}

# A headless Weston whose desktop is all DESKTOP, for the Wayland clients started after.
start_weston() {
  need weston weston-screenshooter
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so &>/dev/null ||
    skip "Qt's Wayland plugin is not installed (scripts/install-deps installs qt6-wayland)"
  DESKTOP="#204080"
  printf '[shell]\nbackground-color=0xff%s\npanel-position=none\n' "${DESKTOP#\#}" >"$WORK/weston.ini"
  XDG_RUNTIME_DIR=$WORK weston --backend=headless-backend.so --use-pixman --debug \
    --socket=caldorine --config="$WORK/weston.ini" &>/dev/null &
  PIDS+=" $!"
  retry 100 test -S "$WORK/caldorine" || skip "no Weston could be started"
  export XDG_RUNTIME_DIR=$WORK WAYLAND_DISPLAY=caldorine QT_QPA_PLATFORM=wayland
  unset DISPLAY
}

# Starts the program, its environment amended by the arguments, as APP_PID
# with its window as win.
start_app() {
  env "$@" "$app" 2>/dev/null &
  APP_PID=$!
  win=$(wait_for_window Caldorine) || fail "no window named Caldorine appeared"
}
window_id() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .; }
wait_for_window() { retry 200 window_id "$1"; }

# Fails unless the program ends within 10 s with status 0; $1 says what ended it.
ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
expect_clean_exit() {
  retry 100 ended || fail "$1 did not end the program"
  wait "$APP_PID"
  local status=$?
  APP_PID=
  [ "$status" -eq 0 ] || fail "$1: exit status $status"
}

# The top left corner of window $win on the screen, as "x y ".
position() { xwininfo -id "$win" | awk '/Absolute upper-left [XY]/ {printf "%s ", $NF}'; }
near() {
  awk -v a="$(position)" -v b="$1" 'BEGIN { split(a, g); split(b, w)
    exit (g[1] - w[1])^2 > 4 || (g[2] - w[2])^2 > 4 }'
}
expect_position() { retry 50 near "$1" || fail "$2: window at $(position), expected $1"; }

# Presses button $5 (1 by default) at window pixel $1,$2, moves by $3,$4 in
# two steps, releases.
drag() {
  local left top
  read -r left top <<<"$(position)"
  local x=$((left + $1)) y=$((top + $2)) b=${5:-1}
  xdotool mousemove $x $y mousedown $b sleep 0.1 mousemove $((x + $3 / 2)) $((y + $4 / 2)) \
    sleep 0.1 mousemove $((x + $3)) $((y + $4)) mouseup $b sleep 0.3
}
# The pointer moves about with no button held: a window left following it moves.
wander() { xdotool mousemove 600 600 sleep 0.1 mousemove 300 650 sleep 0.3; }
