# Shared by the end-to-end tests: an X server of our own, and waiting for the
# program's window. Source it, then call start_xserver (optionally with the
# screen's size, 1024x768 by default).

skip() { echo "SKIP: $*"; exit 77; }

start_xserver() {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/install-deps installs it)"
  command -v xdotool >/dev/null || skip "xdotool is not installed"
  # Xvfb picks a free display itself and names it once it is ready, so
  # tests started side by side never share a server; -noreset keeps it from
  # restarting, and refusing connections meanwhile, each time its last client
  # leaves.
  local named
  named=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$named" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    if [ -s "$named" ] && grep -q . "$named"; then
      export DISPLAY=":$(head -1 "$named" | tr -d '[:space:]')"
      rm -f "$named"
      trap stop_xserver EXIT
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$named"
  kill "$XVFB_PID" 2>/dev/null
  skip "no X server could be started"
}

# Openbox on that server, as a desktop has it; the test ends it with the server.
start_window_manager() {
  command -v openbox >/dev/null ||
    skip "openbox is not installed (scripts/install-deps installs it)"
  openbox --sm-disable >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  skip "openbox did not start"
}

# A headless Weston of our own, with its screenshot protocol and a desktop of
# one colour, DESKTOP ("#rrggbb"); Wayland clients started afterwards use it.
start_weston() {
  command -v weston >/dev/null && command -v weston-screenshooter >/dev/null ||
    skip "weston is not installed (scripts/install-deps installs it)"
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    skip "Qt's Wayland plugin is not installed (scripts/install-deps installs qt6-wayland)"
  DESKTOP="#204080"
  WESTON_RUNTIME=$(mktemp -d)
  chmod 700 "$WESTON_RUNTIME"
  printf '[shell]\nbackground-color=0xff%s\npanel-position=none\n' "${DESKTOP#\#}" \
    >"$WESTON_RUNTIME/weston.ini"
  XDG_RUNTIME_DIR=$WESTON_RUNTIME weston --backend=headless-backend.so --use-pixman --debug \
    --socket=caldorine --config="$WESTON_RUNTIME/weston.ini" >/dev/null 2>&1 &
  WESTON_PID=$!
  trap stop_xserver EXIT
  for _ in $(seq 100); do
    if [ -S "$WESTON_RUNTIME/caldorine" ]; then
      export XDG_RUNTIME_DIR=$WESTON_RUNTIME WAYLAND_DISPLAY=caldorine QT_QPA_PLATFORM=wayland
      unset DISPLAY
      return 0
    fi
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.1
  done
  skip "no Weston could be started"
}

# Ends what the test started: the program, and the display servers.
stop_xserver() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null
  [ -n "${WESTON_PID:-}" ] && kill "$WESTON_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  [ -n "${WESTON_RUNTIME:-}" ] && rm -rf "$WESTON_RUNTIME"
  true
}

# Prints the id of the visible window with this exact name, waiting up to
# 20 s (a loaded machine starts slowly).
wait_for_window() {
  local name=$1 id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

fail() { echo "FAIL: $*"; exit 1; }

# Waits up to 10 s for the program started as APP_PID to end, and fails
# unless it ended with status 0. The argument says what should have ended it.
expect_clean_exit() {
  local what=$1 status
  for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$APP_PID" 2>/dev/null && fail "$what did not end the program"
  wait "$APP_PID"
  status=$?
  APP_PID=
  [ "$status" -eq 0 ] || fail "$what: exit status $status"
}

# The top left corner of window $win on the screen, as "x y ".
position() { xwininfo -id "$win" | awk '/Absolute upper-left [XY]/ {printf "%s ", $NF}'; }

# Presses a button at window pixel x,y, moves by dx,dy in steps, releases.
drag() {
  local x=$1 y=$2 dx=$3 dy=$4 button=${5:-1} left top
  read -r left top <<<"$(position)"
  xdotool mousemove $((left + x)) $((top + y)) mousedown "$button"
  sleep 0.1
  xdotool mousemove $((left + x + dx / 2)) $((top + y + dy / 2))
  sleep 0.1
  xdotool mousemove $((left + x + dx)) $((top + y + dy)) mouseup "$button"
  sleep 0.3
}

# Moves the pointer about with no button held: a window left following the
# pointer moves with it.
wander() {
  xdotool mousemove 600 600
  sleep 0.1
  xdotool mousemove 300 650
  sleep 0.3
}

# Waits up to 5 s for the window to be within 2 px of "x y", or fails.
expect_position() {
  local want=$1 what=$2 got
  for _ in $(seq 50); do
    got=$(position)
    awk -v a="$got" -v b="$want" 'BEGIN { split(a, g); split(b, w)
      exit !((g[1] - w[1])^2 <= 4 && (g[2] - w[2])^2 <= 4) }' && return 0
    sleep 0.1
  done
  fail "$what: window at $got, expected $want"
}
