#!/usr/bin/env bash
# Every way into 'From' under a window manager keeps its rules. By the X keyboard: a compose sequence
# meets the key filter; the context menu's Delete takes the selection only; after a drag's long text,
# BackSpace and the menu's Undo, typing is still limited. By ibus (m17n running a table of ours): a
# commit, and a composition pending when Convert is clicked, go in as typing: refused characters
# dropped, cut to the room left, once.
. "$(dirname "$0")/lib.sh"
need ibus-daemon ibus import setxkbmap && [ -x /usr/libexec/ibus-engine-m17n ] || skip "needs ibus-m17n"
own_accessibility_bus
start_xserver && start_window_manager && setxkbmap -option compose:ralt
type_in() {
  start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
  /usr/bin/python3 - "$(dirname "$0")" "$@" <<'PYTHON' || fail "${*:-X keyboard}, above"
import subprocess, sys, pyatspi
sys.path.insert(0, sys.argv[1]); from screen_reader import find, until
at = lambda node: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
mid = lambda node: (str((e := at(node)).x + e.width // 2), str(e.y + e.height // 2))
xdo = lambda *steps: subprocess.run(["xdotool", *steps], check=True)
box, convert = find("text", "'From' temperature value"), find("push button", "Convert")
now = lambda: (box.queryText().getText(0, -1), box.queryText().caretOffset)
def expect(wanted, what):
    until(lambda: now()[0] == wanted, lambda: f"{what}: {now()[0]!r}, not {wanted!r}")
if sys.argv[2:]:  # by ibus, first while the box holds one digit: "p" composes, "c" commits
    def composing(x, y, w, h):  # ink in the box's right half, which one digit and its caret leave blank
        crop = ["-crop", f"{w // 2 - 4}x{h - 8}+{x + w // 2}+{y + 4}", "gray:-"]
        return min(subprocess.run(["import", "-window", "root", *crop], capture_output=True).stdout) < 128
    for typed, key, expected in (("1", "p", "134567890"), ("1234567", "c", "123456798")):
        box.queryComponent().grabFocus(); xdo("key", "End", "shift+Home", "type", "--delay", "100", typed, key)
        if key == "p":  # once the composition shows, as a person's would
            until(lambda: composing(*at(box)), lambda: "no composition shown")
            xdo("mousemove", *mid(convert), "click", "1")
        xdo("key", "End")  # through ibus too: anything it commits late is in before the caret moves
        until(lambda: now() == (expected, len(expected)), lambda: f"{typed}, {key!r}: {now()}, not {expected!r}")
    sys.exit()
windows = lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "caldorine"],
                                 capture_output=True).stdout.count(b"\n")
def menu(*keys):  # the box's, once it shows; the keys pick an item
    shown = windows()
    xdo("mousemove", *mid(box), "click", "3")
    until(lambda: windows() > shown, lambda: "no context menu")
    xdo("key", "--delay", "100", *keys, "Return")
xdo("mousemove", *mid(box), "click", "1", "key", "--delay", "100", "End", "shift+Home", "1", "Multi_key", "1", "2", "2")
expect("12", "1, compose 1 2 (½), 2")
xdo("key", "--delay", "100", "3", "4", "5", "shift+Left", "shift+Left") and menu("Up", "Up")  # Select All, Delete
expect("123", "Delete of the selected 45")
xdo("key", "End", "shift+Home", "type", "--delay", "100", "999999999")
expect("999999999", "typed over")
convert.queryAction().doAction(0)
to = find("text", "'To' temperature value").queryText()
until(lambda: to.getText(0, -1).strip(), lambda: "Convert gave nothing")
x, y = mid(find("slider", "Thermometer"))
xdo("mousemove", x, y, "mousedown", "1", "mousemove", x, str(int(y) - 30), "sleep", "0.2", "mouseup", "1")
written = until(lambda: len(t := now()[0]) > 9 and t, lambda: f"the drag wrote {now()[0]!r}")
xdo("mousemove", *mid(box), "click", "1", "key", "End", "BackSpace") and menu("Down")  # Undo
xdo("type", "--delay", "100", "123") and xdo("key", "BackSpace")  # a key that shortens it tells when
expect(written[:-1], "123 typed and one erased after Undo")
PYTHON
  kill "$APP_PID" && wait "$APP_PID"; APP_PID=
}
type_in
mkdir ~/.m17n.d && echo '(input-method t im) (map (m ("c" "9é87x65") ("p" "3é45678901") ("pp" "")))
  (state (init (m)))' >~/.m17n.d/im.mim  # "p" composes, awaiting a second "p"
export IBUS_ADDRESS=unix:path=$WORK/ibus && dbus-update-activation-environment IBUS_ADDRESS  # for its portal
ibus-daemon --address="$IBUS_ADDRESS" --panel=disable --emoji-extension=disable &>/dev/null & PIDS+=" $!"
retry 100 sh -c 'ibus engine m17n:t:im; [ "$(ibus engine)" = m17n:t:im ]' &>/dev/null || skip "no m17n:t:im in ibus"
type_in QT_IM_MODULE=ibus
