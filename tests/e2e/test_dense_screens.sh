#!/usr/bin/env bash
# At 100 %, 150 % and 200 % scale the window keeps its size and place in twips, and its outline fits
# the background: along the outline and its cut-off corners no pixel shows the grey outside the
# drawn panel, while the desktop shows beyond the corners.
. "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c "import PIL" 2>/dev/null || skip "python3-pil is not installed"
need import && start_xserver 1400x1400
# Judges the window at x y w h, scale s, away from the controls (whose greys are the style's): the
# rows with the tab, the bottom rows, the side columns.
outline_fits() {
  import -window root "$WORK/shot.png" && /usr/bin/python3 - "$WORK/shot.png" "$@" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
x, y, w, h, s = (float(v) for v in sys.argv[2:])
x, y, w, h = int(x), int(y), int(w), int(h)
band = [shot.getpixel((x + i, y + j)) for j in range(h) for i in range(w)
        if j < 45 * s or j >= h - 14 * s or i < 4 * s or i >= w - 4 * s]
grey, panel = band.count((128, 128, 128)), band.count((255, 192, 128))
desktop = {shot.getpixel((x + i, y + j)) for i in (0, w - 1) for j in (0, h - 1)}
if grey or panel < len(band) // 3 or desktop != {(0, 0, 0)}:
    sys.exit(f"{grey} grey pixels along the outline, {panel} of {len(band)} panel, corners {desktop}")
PY
}
for scale in 1 1.5 2; do
  start_app QT_SCALE_FACTOR=$scale
  got=$(xwininfo -id "$win" | awk '/Absolute|Width|Height/ {printf "%s ", $NF}')
  want=$(/usr/bin/python3 -c "print(*(int(v * $scale + 0.5) for v in (67, 133, 210, 330)), '')")
  [ "$got" = "$want" ] || fail "scale $scale: window at and of $got, expected $want"
  retry 50 outline_fits $got "$scale" 2>"$WORK/verdict" || fail "scale $scale: $(cat "$WORK/verdict")"
  kill "$APP_PID" && wait "$APP_PID"; APP_PID=
done
# On a screen too small for the designed place (a panel takes its lowest 40 pixels), the window moves
# up just enough to show whole: 2x scale, logical screen 640x380, window 210x330 from y 133 to 50.
rm "$WORK/display" && start_xserver 1280x800
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA 0,0,1280,760
start_app QT_SCALE_FACTOR=2
[ "$(position)" = "134 100 " ] || fail "at 2x on 1280x800 the window opens at $(position)"
