#!/usr/bin/env bash
# At 150 % and 200 % scale the window keeps its size and place in twips, and
# its outline still fits the background: along the outline and its cut-off
# corners, no pixel of the window shows the grey that lies outside the drawn
# panel, while the desktop shows beyond the corners.
set -u
app=$1
. "$(dirname "$0")/lib.sh"
command -v import >/dev/null || skip "ImageMagick is not installed (scripts/install-deps installs it)"
/usr/bin/python3 -c "import PIL" 2>/dev/null || skip "python3-pil is not installed"
start_xserver 1400x1400

work=$(mktemp -d)
cleanup() {
  stop_xserver
  rm -rf "$work"
}
trap cleanup EXIT

# Judges a screenshot: along the outline no pixel shows the grey outside the
# drawn panel, the panel shows, and the desktop shows beyond the corners.
outline_fits() {
  /usr/bin/python3 - "$@" <<'EOF'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
x, y, w, h = (int(v) for v in sys.argv[2:6])
s = float(sys.argv[6])
# Where only the outline, the tab and the panel's edges are, away from the
# controls (whose own greys are the style's): the top rows with the tab, the
# bottom rows, and the side columns.
band = [(i, j) for j in range(h) for i in range(w)
        if j < 45 * s or j >= h - 14 * s or i < 4 * s or i >= w - 4 * s]
colours = [shot.getpixel((x + i, y + j)) for i, j in band]
grey = sum(c == (128, 128, 128) for c in colours)
panel = sum(c == (255, 192, 128) for c in colours)
desktop = [shot.getpixel((x + i, y + j)) for i, j in [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]]
if grey or panel < len(band) // 3 or set(desktop) != {(0, 0, 0)}:
    print("FAIL: %d grey pixels along the outline, %d of %d panel, corners %s"
          % (grey, panel, len(band), desktop))
    sys.exit(1)
EOF
}

for scale in 1.5 2; do
  QT_SCALE_FACTOR=$scale "$app" 2>/dev/null &
  APP_PID=$!
  win=$(wait_for_window Caldorine) || fail "no window at scale $scale"
  geometry=$(xwininfo -id "$win")
  field() { awk -v f="$1" '$0 ~ f {print $NF}' <<<"$geometry"; }
  x=$(field "Absolute upper-left X") y=$(field "Absolute upper-left Y")
  w=$(field "Width:") h=$(field "Height:")
  want=$(/usr/bin/python3 -c "s=$scale; r=lambda v: int(v * s + 0.5)
print(r(67), r(133), r(210), r(330))")
  [ "$x $y $w $h" = "$want" ] || fail "scale $scale: window $x $y $w $h, expected $want"

  # A loaded machine paints late: look again until the window is painted, for
  # up to 10 s, and judge the last look.
  fits=0
  for _ in $(seq 50); do
    import -window root "$work/shot.png"
    outline_fits "$work/shot.png" "$x" "$y" "$w" "$h" "$scale" >"$work/verdict" && fits=1
    [ "$fits" = 1 ] && break
    sleep 0.2
  done
  [ "$fits" = 1 ] || fail "scale $scale: outline: $(cat "$work/verdict")"
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null
  APP_PID=
  echo "ok: scale $scale, window $w x $h at $x,$y, outline fits the background"
done
