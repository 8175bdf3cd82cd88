#!/usr/bin/env bash
# Through the X keyboard under a window manager: a compose sequence meets 'From's key filter; the
# context menu's Delete takes the selection only; after a drag's long text, BackSpace and the menu's
# Undo, typing is still limited.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
need setxkbmap && start_xserver && start_window_manager && setxkbmap -option compose:ralt
start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 - "$(dirname "$0")" <<'PYTHON' || fail "typing, above"
import subprocess, sys, pyatspi
sys.path.insert(0, sys.argv[1]); from screen_reader import find, until
def at(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return str(e.x + e.width // 2), str(e.y + e.height // 2)
xdo = lambda *steps: subprocess.run(["xdotool", *steps], check=True)
box = find("text", "'From' temperature value")
text = lambda: box.queryText().getText(0, -1)
def expect(wanted, what):
    until(lambda: text() == wanted, lambda: f"{what}: {text()!r}, not {wanted!r}")
windows = lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "caldorine"],
                                 capture_output=True).stdout.count(b"\n")
def menu(*keys):  # the box's, once it shows; the keys pick an item
    shown = windows()
    xdo("mousemove", *at(box), "click", "3")
    until(lambda: windows() > shown, lambda: "no context menu")
    xdo("key", "--delay", "100", *keys, "Return")
xdo("mousemove", *at(box), "click", "1", "key", "--delay", "100", "End", "shift+Home", "1", "Multi_key", "1", "2", "2")
expect("12", "1, compose 1 2 (½), 2")
xdo("key", "--delay", "100", "3", "4", "5", "shift+Left", "shift+Left") and menu("Up", "Up")  # Select All, Delete
expect("123", "Delete of the selected 45")
xdo("key", "End", "shift+Home", "type", "--delay", "100", "999999999")
expect("999999999", "typed over")
find("push button", "Convert").queryAction().doAction(0)
to = find("text", "'To' temperature value").queryText()
until(lambda: to.getText(0, -1).strip(), lambda: "Convert gave nothing")
x, y = at(find("slider", "Thermometer"))
xdo("mousemove", x, y, "mousedown", "1", "mousemove", x, str(int(y) - 30), "sleep", "0.2", "mouseup", "1")
written = until(lambda: len(t := text()) > 9 and t, lambda: f"the drag wrote {text()!r}")
xdo("mousemove", *at(box), "click", "1", "key", "End", "BackSpace") and menu("Down")  # Undo
xdo("type", "--delay", "100", "123") and xdo("key", "BackSpace")  # a key that shortens it tells when
expect(written[:-1], "123 typed and one erased after Undo")
PYTHON
