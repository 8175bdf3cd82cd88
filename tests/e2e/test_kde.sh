#!/usr/bin/env bash
# Under KDE's compositor (KWin, headless), installed in a prefix of its own: KWin finds its menu
# entry's icon for every window; around the outline the desktop shows, inside it the panel; About,
# the browser and a refusal are tied to the main window with no bar of KWin's, the first two clear
# of its title buttons.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
/usr/bin/python3 -c "import dbus, PIL" 2>/dev/null || skip "python3-dbus or python3-pil is not installed"
cmake --install "$(dirname "$app")" --prefix "$WORK/usr" &>"$WORK/log" || skip "no install: $(cat "$WORK/log")"
export XDG_DATA_DIRS=$WORK/usr/share:/usr/share
start_kwin
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$WORK/usr/bin/caldorine" 2>/dev/null & APP_PID=$!
press About/Help && press List && /usr/bin/python3 -c "import sys; sys.path.insert(0, sys.argv[1]); from screen_reader import find
find('text', \"'From' temperature value\").queryEditableText().setTextContents('-')" "$(dirname "$0")" && { press Convert & }
/usr/bin/python3 - "$WORK" <<'PY' || fail "above"
import dbus, json, os, sys, time
from PIL import Image
work, failures = sys.argv[1], []
def kwin(path, interface): return dbus.Interface(dbus.SessionBus().get_object("org.kde.KWin", path), interface)
def check(ok, what): ok or failures.append(print("FAIL:", what))
open(f"{work}/windows.js", "w").write('for (const w of workspace.clientList()) print("WINDOW", JSON.stringify({'
    'title: w.caption, icon: String(w.icon), parent: String(w.transientFor && w.transientFor.caption), '
    'frame: w.frameGeometry, client: w.bufferGeometry}))')
for run in map(str, range(20)):  # until KWin has mapped all three
    kwin("/" + str(kwin("/Scripting", "org.kde.kwin.Scripting").loadScript(f"{work}/windows.js", run, signature="ss")),
         "org.kde.kwin.Script").run(), time.sleep(0.5)
    windows = {w["title"]: w for w in (json.loads(line.split("WINDOW ", 1)[1])
                                       for line in open(f"{work}/compositor.log") if "WINDOW " in line)}
    if len(windows) == 4: break
out, into = os.pipe()
shot = kwin("/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2").CaptureActiveScreen({}, dbus.types.UnixFd(into))
shot = os.close(into) or Image.frombuffer("RGBA", (int(shot["width"]), int(shot["height"])), b"".join(iter(
    lambda: os.read(out, 1 << 16), b"")), "raw", "BGRA", int(shot["stride"]), 1).convert("RGB")
shot.save(os.environ.get("SHOT", f"{work}/shot.png"))
for w in windows.values():
    check('"example.caldorine.Caldorine"' in w["icon"] and "QSize(48, 48)" in w["icon"], f"icon {w}")
mx, my = (windows["Caldorine"]["frame"][k] for k in "xy")
panel = shot.getpixel((mx + 8, my + 300))
check({shot.getpixel((mx + dx, my + dy)) for dx in (0, 209) for dy in (0, 329)} == {(0, 0, 0)} and
      panel[0] > 200 > 150 > panel[2], "the outline hides the desktop, or no orange panel inside it")
for title in ("About Caldorine", "Caldorine - Useful Temperatures", "Data Entry"):
    w = windows[title]
    x, y, width, height = (w["frame"][k] for k in ("x", "y", "width", "height"))
    check(w["parent"] == "Caldorine" and w["frame"] == w["client"], f"{title!r} untied, or in KWin's bar: {w}")
    check(title == "Data Entry" or x > mx + 140 or x + width <= mx + 74 or y > my + 24 or y + height <= my + 7,
          f"{title!r} hides the title buttons")
sys.exit(bool(failures))
PY
