#!/usr/bin/env bash
# The real program on a Wayland compositor (Weston, headless): outside the
# outline the desktop shows through, inside it the orange panel; asked to
# close (its close button pressed through the accessibility bus, as a screen
# reader does, for a headless compositor has no pointer), it ends with 0.
set -u
app=$1
. "$(dirname "$0")/lib.sh"
command -v dbus-run-session >/dev/null && /usr/bin/python3 -c "import gi" 2>/dev/null ||
  skip "the accessibility bus or its Python client is missing (scripts/install-deps)"
# A bus of its own, so no other program on a desktop's bus can be pressed.
[ -n "${CALDORINE_OWN_BUS:-}" ] ||
  CALDORINE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v '^dbus-daemon\[' >&2)
start_weston

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" 2>/dev/null &
APP_PID=$!
# Takes a screenshot; true once it shows the window, whose visible extent,
# the box around all that is not the desktop, is then w x h at x,y.
shot=$WESTON_RUNTIME/shot.png
shown() {
  rm -f "$WESTON_RUNTIME"/wayland-screenshot*.png
  (cd "$WESTON_RUNTIME" && weston-screenshooter >/dev/null 2>&1) || return 1
  mv "$WESTON_RUNTIME"/wayland-screenshot*.png "$shot"
  IFS='x+' read -r w h x y <<<"$(convert "$shot" -fill white +opaque "$DESKTOP" -format %@ info:)"
  [ "$w" -gt 0 ] && [ "$w" -lt 400 ]
} 2>/dev/null
for _ in $(seq 100); do shown && break; sleep 0.1; done
shown || fail "no window showed on the Wayland desktop"
pixel() { convert "$shot" -format "$1" info:; }
for corner in "$x,$y" "$((x + w - 1)),$y" "$x,$((y + h - 1))" "$((x + w - 1)),$((y + h - 1))"; do
  [ "$(pixel "#%[hex:p{$corner}]")" = "$DESKTOP" ] ||
    fail "the window's corner $corner hides the desktop"
done
inside="p{$((x + 7)),$((y + 199))}"
[ "$(pixel "%[fx:$inside.r > 0.9 && $inside.b < 0.7]")" = 1 ] ||
  fail "no orange panel inside the outline"

/usr/bin/python3 "$(dirname "$0")/tools/press_button.py" caldorine Close ||
  fail "could not press Close"
expect_clean_exit "the close button"
echo "ok: on Wayland the desktop shows outside the outline, the panel inside; closed with status 0"
