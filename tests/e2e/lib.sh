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

stop_xserver() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
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
