#!/usr/bin/env bash
# On a headless Weston: outside the outline the desktop shows, inside it the orange panel; its close
# button, pressed through the accessibility bus (there is no pointer), ends the program with 0.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
need convert
start_weston
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" 2>/dev/null & APP_PID=$!
# True once a screenshot shows the window, all that is not desktop: w x h at x,y.
shown() {
  rm -f "$WORK"/wayland-screenshot*.png
  (cd "$WORK" && weston-screenshooter) && mv "$WORK"/wayland-screenshot*.png "$WORK/shot.png" || return 1
  IFS='x+' read -r w h x y <<<"$(convert "$WORK/shot.png" -fill white +opaque "$DESKTOP" -format %@ info:)"
  [ "$w" -gt 0 ] && [ "$w" -lt 400 ]
} &>/dev/null
retry 100 shown || fail "no window showed on the Wayland desktop"
pixel() { convert "$WORK/shot.png" -format "$1" info:; }
for corner in "$x,$y" "$((x + w - 1)),$y" "$x,$((y + h - 1))" "$((x + w - 1)),$((y + h - 1))"; do
  [ "$(pixel "#%[hex:p{$corner}]")" = "$DESKTOP" ] || fail "the window's corner $corner hides the desktop"
done
inside="p{$((x + 7)),$((y + 199))}"
[ "$(pixel "%[fx:$inside.r > 0.9 && $inside.b < 0.7]")" = 1 ] || fail "no orange panel inside the outline"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" Close || fail "could not press Close"
expect_clean_exit "the close button"
