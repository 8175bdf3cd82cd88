#!/usr/bin/env bash
# Whatever the desktop sets, the windows keep their designed look: under KDE's settings, GTK's
# Adwaita and qt6ct's "darker", all dark, and with qt6ct's font at 10 and 16 points, the main window,
# About and the browser show as with no settings, the main window's texts at 4.5:1 at least. At
# 125 % and 150 % the thermometer's bottom edge is one dotted line, with no other dark line beside it.
. "$(dirname "$0")/lib.sh"
need import
/usr/bin/python3 -c "import PIL" 2>/dev/null || skip "python3-pil is not installed"
ls /usr/lib/*/qt6/plugins/platformthemes/libq{gtk3,t6ct}.so &>/dev/null || skip "no qt6ct or Qt's gtk3"
start_xserver 1400x1400
start_window_manager
# Judges the screen with the window at x y, at scale $2, as setting $1.
judge() {
  import -window root "$WORK/$1.png" && /usr/bin/python3 - "$WORK" "$@" "$x" "$y" 2>"$WORK/verdict" <<'PY'
import sys
from PIL import Image, ImageChops
work, setting, s, x, y = sys.argv[1], sys.argv[2], float(sys.argv[3]), *map(int, sys.argv[4:])
shot = Image.open(f"{work}/{setting}.png").convert("RGB")
def lum(p):
    c = [v / 255 / 12.92 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in p]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2] + 0.05
if s != 1:  # the rows along the thermometer's bottom edge, away from its corners
    rows = ["".join(".#"[lum(shot.getpixel((x + h, y + v))) < 0.25] for h in range(int(108 * s),
            int(200 * s))) for v in range(int(310 * s), int(318 * s))]
    marked = [row for row in rows if "#" in row]
    if len(marked) != 1 or "##" in marked[0] or marked[0].count("#") < len(rows[0]) * 0.4:
        sys.exit(f"at {s}, along the thermometer's bottom:\n" + "\n".join(rows))
    sys.exit()
for text, box in {"'To'": (27, 211, 85, 225), "Convert": (30, 181, 82, 196), "option": (40, 58, 80, 73),
                  "Decimal Places": (59, 106, 100, 131), "scale label": (128, 62, 148, 240)}.items():
    seen = [lum(p) for p in shot.crop((x + box[0], y + box[1], x + box[2], y + box[3])).getdata()]
    if max(seen) / min(seen) < 4.5:
        sys.exit(f"{setting}: {text} at {max(seen) / min(seen):.2f}:1")
if setting != "plain" and (box := ImageChops.difference(shot, Image.open(f"{work}/plain.png")).getbbox()):
    sys.exit(f"{setting}: the screen within {box} looks other than with no settings")
PY
}
for setting in plain kde adwaita 10 16 1.25 1.5; do
  home=$WORK/$setting-home && mkdir -p "$home/.config/qt6ct" && set -- HOME="$home" && scale=1
  case $setting in
    kde) set -- "$@" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
      printf '[Colors:%s]\nBackgroundNormal=42,46,50\nForegroundNormal=252,252,252\n' Window View Button \
        Selection Tooltip >"$home/.config/kdeglobals" ;;
    adwaita) set -- "$@" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
    1?) set -- "$@" QT_QPA_PLATFORMTHEME=qt6ct
      printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\n[Fonts]\ngeneral="DejaVu Sans,%s"\n' \
        /usr/share/qt6ct/colors/darker.conf "$setting" >"$home/.config/qt6ct/qt6ct.conf" ;;
    1.*) set -- "$@" QT_SCALE_FACTOR=$setting && scale=$setting ;;
  esac
  start_app "$@" && read -r x y <<<"$(position)"
  if [ "$scale" = 1 ]; then
    # Convert, then About and the browser over it: every window shows, none with a caret.
    xdotool mousemove $((x + 56)) $((y + 188)) click 1 key F1
    wait_for_window "About Caldorine" >/dev/null || fail "$setting: F1 showed no About"
    xdotool mousemove $((x + 52)) $((y + 266)) click 1 mousemove 1 1
    wait_for_window "Caldorine - Useful Temperatures " >/dev/null || fail "$setting: no browser"
  fi
  sleep 1 && retry 30 judge "$setting" "$scale" || fail "$(cat "$WORK/verdict")"
  kill "$APP_PID" && wait "$APP_PID"; APP_PID=
done
