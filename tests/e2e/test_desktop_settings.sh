#!/usr/bin/env bash
# Under dark schemes (KDE's, GTK's Adwaita, qt6ct's "darker") and qt6ct's font at 10 and 16 points
# the windows look as with no settings: texts at 4.5:1 at least on the designed backgrounds. At 125 %
# and 150 % the thermometer's bottom edge is one dotted line, with no other dark line beside it.
. "$(dirname "$0")/lib.sh"
/usr/bin/python3 -c "import PIL" 2>/dev/null && ls /usr/bin/import /usr/lib/*/qt6/plugins/platformthemes/libq{gtk3,t6ct}.so \
  &>/dev/null || skip "needs ImageMagick, python3-pil, qt6ct and qt6-gtk-platformtheme"
start_xserver 1400x1400 && start_window_manager
judge() {  # the screen with the window at x y, at scale $2, under setting $1
  import -window root "$WORK/$1.png" && /usr/bin/python3 - "$WORK" "$@" "$x" "$y" 2>"$WORK/verdict" <<'PY'
import sys
from PIL import Image, ImageChops
work, setting, s, x, y = sys.argv[1], sys.argv[2], float(sys.argv[3]), *map(int, sys.argv[4:])
shot = Image.open(f"{work}/{setting}.png").convert("RGB")
lum = lambda p: 0.05 + sum(w * (v / 3295 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4)
                           for w, v in zip((0.2126, 0.7152, 0.0722), p))
if s != 1:  # the rows along the thermometer's bottom edge, away from its corners
    rows = ["".join(".#"[lum(shot.getpixel((x + h, y + v))) < 0.25] for h in range(int(108 * s),
            int(200 * s))) for v in range(int(310 * s), int(318 * s))]
    marked = [row for row in rows if "#" in row]
    sys.exit(None if len(marked) == 1 and "##" not in marked[0] and marked[0].count("#") > len(
        rows[0]) * 0.4 else f"at {s}, along the thermometer's bottom:\n" + "\n".join(rows))
white, orange = (255, 255, 255), (255, 192, 128)
for text, box, back in (("'To'", (27, 211, 85, 225), white), ("Convert", (30, 181, 82, 196), None),
                        ("option", (40, 58, 80, 73), orange), ("°F", (131, 28, 160, 41), orange),
                        ("Decimal Places", (59, 106, 100, 131), orange), ("scale", (128, 62, 148, 240), None)):
    seen = list(shot.crop((x + box[0], y + box[1], x + box[2], y + box[3])).getdata())
    shown, ratio = max(seen, key=seen.count), max(map(lum, seen)) / min(map(lum, seen))
    if ratio < 4.5 or back and shown != back:
        sys.exit(f"{setting}: {text} at {ratio:.2f}:1 on {shown}")
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
  if [ "$scale" = 1 ]; then  # Convert, then About and the browser: every window, none with a caret
    xdotool mousemove $((x + 56)) $((y + 188)) click 1 key F1
    wait_for_window "About Caldorine" >/dev/null || fail "$setting: F1 showed no About"
    xdotool mousemove $((x + 52)) $((y + 266)) click 1 mousemove 1 1
    wait_for_window "Caldorine - Useful Temperatures " >/dev/null || fail "$setting: no browser"
  fi
  sleep 1 && retry 30 judge "$setting" "$scale" || fail "$(cat "$WORK/verdict")"
  kill "$APP_PID" && wait "$APP_PID"; APP_PID=
done
