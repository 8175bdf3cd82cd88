#!/usr/bin/env bash
# On X whose manager offers no move: with no display it says so, ends with 1; around the outline
# the desktop shows and takes clicks; the free surface drags the window, controls do not, and a key
# pressed as a drag begins is not lost; minimising hides the browser; the close button acts wherever
# released; the temporary directory stays empty.
. "$(dirname "$0")/lib.sh"
for display in "" :9999; do
  said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY=$display "$app" -reverse 2>&1); status=$?
  [[ $status -eq 1 && ${said##*$'\n'} == "caldorine: no display"*"no Wayland display"* &&
    ($display || $said != *$'\n'*) ]] || fail "with DISPLAY=$display: status $status, said: $said"
done
need import convert && start_xserver
xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WM_NAME
mkdir -m 700 "$WORK/tmp" "$WORK/runtime"  # a desktop has a runtime folder: Qt needs no TMPDIR
start_app TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR="$WORK/runtime"
read -r x y <<<"$(position)"
# Window pixel $1,$2 as the screen shows it: the desktop is black.
pixel() { convert "$WORK/shot.png" -format "%[hex:p{$((x + $1)),$((y + $2))}]" info:; }
painted() { import -window root "$WORK/shot.png" && [ "$(pixel 8 200)" != 000000 ]; }
retry 50 painted || fail "the window was never painted"
[ -z "$(ls -A "$WORK/tmp")" ] || fail "start-up left files behind: $(ls -A "$WORK/tmp")"
for p in 0,0,desktop 1,1,desktop 63,10,desktop 150,10,desktop 30,21,desktop 180,21,desktop \
  209,200,desktop 100,327,desktop 100,329,desktop 100,3,window 8,200,window 100,326,window 1,174,window; do
  IFS=, read -r px py want <<<"$p"
  shows=$([ "$(pixel $px $py)" = 000000 ] && echo desktop || echo window)
  [ "$shows" = "$want" ] || fail "window pixel $px,$py shows the $shows"
done
# A press just inside the cut-off corner drags nothing, nor does a label; the tab drags, the window
# following the pointer at once, before the release.
drag 1 1 40 25 && expect_position "$x $y" "press outside the outline"
drag 70 110 40 25 && expect_position "$x $y" "drag on a label"
xdotool mousemove $((x + 100)) $((y + 3)) mousedown 1 mousemove $((x + 140)) $((y + 28)) sleep 0.3
expect_position "$((x += 40)) $((y += 25))" "held after a drag on the tab" && xdotool mouseup 1
# A manager that names moves but takes none: the release reaching the window ends the drag there.
xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WM_MOVERESIZE && drag 100 3 40 25
expect_position "$((x += 40)) $((y += 25))" "released after a move no manager took"
# After List, minimising hides the browser (restoring needs a window manager).
xdotool mousemove $((x + 52)) $((y + 266)) click 1
browser=$(wait_for_window "Caldorine - Useful Temperatures ") || fail "List showed no browser"
xdotool mousemove $((x + 107)) $((y + 15)) click 1
hidden() { ! xwininfo -id "$browser" 2>/dev/null | grep -q IsViewable; }
retry 50 hidden || fail "minimising left the browser shown"
xdotool mousemove $((x + 100)) $((y + 3)) mousedown 1 mousemove_relative 20 0 key F1 mousemove_relative -- -20 0 mouseup 1
wait_for_window "About Caldorine" >/dev/null || fail "F1, pressed as a drag began, was lost"
xdotool mousemove $((x + 130)) $((y + 15)) mousedown 1 sleep 0.2 mousemove 600 600 sleep 0.2 mouseup 1
expect_clean_exit "the close button released off it"
[ -z "$(ls -A "$WORK/tmp")" ] || fail "files left in the temporary directory"
