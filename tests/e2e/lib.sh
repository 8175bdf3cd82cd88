# Shared by the end-to-end tests: an X server of our own, and waiting for the
# program's window. Source it, then call start_xserver.

skip() { echo "SKIP: $*"; exit 77; }

start_xserver() {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/install-deps installs it)"
  command -v xdotool >/dev/null || skip "xdotool is not installed"
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && { trap stop_xserver EXIT; return 0; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
  done
  skip "no X server could be started"
}

stop_xserver() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  true
}

# Prints the id of the visible window with this exact name, waiting up to 10 s.
wait_for_window() {
  local name=$1 id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

fail() { echo "FAIL: $*"; exit 1; }
