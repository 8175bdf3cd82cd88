#!/usr/bin/env bash
# The real program's chrome under an X server: the shaped outline lets the
# desktop show and take clicks around it, the free surface drags the window
# while controls do not, minimising hides the browser, the close button acts
# wherever it is released, and start-up leaves no file in the temporary
# directory.
set -u
app=$1
. "$(dirname "$0")/lib.sh"
command -v import >/dev/null && command -v convert >/dev/null ||
  skip "ImageMagick is not installed (scripts/install-deps installs it)"
start_xserver

work=$(mktemp -d)
apptmp=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
cleanup() {
  stop_xserver
  rm -rf "$work" "$apptmp" "$runtime"
}
trap cleanup EXIT

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }
import -window root "$work/before.png"
before_tmp=$(ls -A "$apptmp")

# The program's temporary directory is its own, so nothing else writes there;
# a desktop session always has a runtime directory, so Qt needs none in it.
TMPDIR=$apptmp XDG_RUNTIME_DIR=$runtime "$app" 2>/dev/null &
APP_PID=$!
win=$(wait_for_window Caldorine) || fail "no window named Caldorine appeared"
read -r left top <<<"$(position)"
[ "$left $top" = "67 133" ] || fail "window at $left,$top, expected 67,133"
# Shown means painted: wait until the panel covers the desktop.
for _ in $(seq 50); do
  import -window root "$work/after.png"
  [ "$(pixel "$work/after.png" $((left + 8)) $((top + 200)))" != \
    "$(pixel "$work/before.png" $((left + 8)) $((top + 200)))" ] && break
  sleep 0.1
done
[ "$(ls -A "$apptmp")" = "$before_tmp" ] ||
  fail "start-up left files behind: $(ls -A "$apptmp" | tr '\n' ' ')"

# Outside the outline the desktop shows through; inside, the panel does.
for p in "0 0" "1 1" "63 10" "150 10" "30 21" "180 21" "209 200" "100 327" "100 329"; do
  read -r x y <<<"$p"
  [ "$(pixel "$work/after.png" $((left + x)) $((top + y)))" = \
    "$(pixel "$work/before.png" $((left + x)) $((top + y)))" ] ||
    fail "window pixel $x,$y hides the desktop"
done
for p in "100 3" "8 200" "100 326" "1 174"; do
  read -r x y <<<"$p"
  [ "$(pixel "$work/after.png" $((left + x)) $((top + y)))" != \
    "$(pixel "$work/before.png" $((left + x)) $((top + y)))" ] ||
    fail "window pixel $x,$y does not show the window"
done

# A press one pixel inside the cut-off corner reaches the desktop, not the
# window, so it drags nothing; the tab and the background do drag it, a
# label does not.
drag 1 1 40 25
expect_position "67 133 " "press outside the outline"
drag 100 3 40 25
expect_position "107 158 " "drag on the tab"
drag 8 200 -30 10 3
expect_position "77 168 " "right-button drag on the background"
drag 70 110 40 25
expect_position "77 168 " "drag on the Decimal Places label"

# After List, minimising hides the browser (restoring needs a window manager).
xdotool mousemove $((77 + 52)) $((168 + 266)) click 1
wait_for_window "Caldorine - Useful Temperatures " >/dev/null || fail "List showed no browser"
xdotool mousemove $((77 + 107)) $((168 + 15)) click 1
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^Caldorine - Useful Temperatures \$" >/dev/null || break
  sleep 0.1
done
xdotool search --onlyvisible --name "^Caldorine - Useful Temperatures \$" >/dev/null &&
  fail "minimising left the browser shown"

# Pressed on the close button, moved off and released: the program ends.
xdotool mousemove $((77 + 130)) $((168 + 15)) mousedown 1
sleep 0.2
xdotool mousemove 600 600
sleep 0.2
xdotool mouseup 1
expect_clean_exit "the close button released off it"
[ -z "$(ls -A "$apptmp")" ] || fail "files left in the temporary directory"
echo "ok: shaped outline, drags, browser hidden on minimise, close released off it ends with 0"
