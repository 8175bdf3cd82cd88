#!/usr/bin/env bash
# Every way into 'From' under a window manager keeps its rules. By the X keyboard, in German: numbers
# typed with the decimal comma convert as German writes them; a compose sequence meets the key filter;
# the context menu's Delete takes the selection only; after a drag's long text, BackSpace and the
# menu's Undo typing is still limited. By ibus (m17n with a table of ours): a commit, and a
# composition pending as Convert is clicked, go in as typed, cut to the room left, once.
. "$(dirname "$0")/lib.sh"
need ibus-daemon ibus import setxkbmap && [ -x /usr/libexec/ibus-engine-m17n ] || skip "needs ibus-m17n"
own_accessibility_bus
start_xserver && start_window_manager && setxkbmap -option compose:ralt
type_in() {
  start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
  /usr/bin/python3 - "$(dirname "$0")" "$@" <<'PYTHON' || fail "$*, above"
import subprocess, sys, pyatspi
sys.path.insert(0, sys.argv[1]); from screen_reader import find, until
at = lambda node: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
mid = lambda node: (str((e := at(node)).x + e.width // 2), str(e.y + e.height // 2))
run = lambda *command: subprocess.run(command, check=True, capture_output=True).stdout
box, convert = find("text", "'From' temperature value"), find("push button", "Convert")
now = lambda: (box.queryText().getText(0, -1), box.queryText().caretOffset)
def then(keys, wanted, what):  # xdotool's steps, and what 'From' holds after them, the caret at its end
    keys and run("xdotool", *keys.split())
    until(lambda: now() == (wanted, len(wanted)), lambda: f"{what}: {now()}, not {wanted!r}")
def menu(keys):  # the box's context menu, once it shows; the keys pick an item
    windows = lambda: run("xdotool", "search", "--onlyvisible", "--class", "caldorine").count(b"\n")
    shown = windows(); run("xdotool", "mousemove", *mid(box), "click", "3")
    until(lambda: windows() > shown, lambda: "no context menu"); run("xdotool", "key", "--delay", "100", *keys.split(), "Return")
if "QT_IM_MODULE=ibus" in sys.argv:  # "p" composes, "c" commits; the click once the composition shows, as a person's
    def composing(x, y, w, h):  # ink in the box's right half, which one digit and its caret leave blank
        return min(run("import", "-window", "root", "-crop", f"{w // 2 - 4}x{h - 8}+{x + w // 2}+{y + 4}", "gray:-")) < 128
    box.queryComponent().grabFocus(); run("xdotool", "key", "End", "shift+Home", "1", "p")
    until(lambda: composing(*at(box)), lambda: "no composition shown")
    then("mousemove " + " ".join(mid(convert)) + " click 1 key End", "134567890", "1, composing, Convert")
    sys.exit(then("key End shift+Home 1 2 3 4 5 6 7 c End", "123456798", "1234567, commit"))
run("xdotool", "mousemove", *mid(box), "click", "1")
then("key --delay 100 End shift+Home 1 Multi_key 1 2 2", "12", "1, compose 1 2 (½), 2")
run("xdotool", "key", "--delay", "100", "3", "4", "5", "shift+Left", "shift+Left"); menu("Up Up")  # Delete
then("", "123", "Delete of the selected 45")
to = find("text", "'To' temperature value").queryText()
for option, keys, wanted in (("°F to °C", "3 7 comma 5", "3,06"), ("°C to °F", "1 0 0 0 0 0 0", "1.800.032,00")):
    find("radio button", option).queryComponent().grabFocus(); run("xdotool", "key", "space")
    until(lambda: find("radio button", option).getState().contains(pyatspi.STATE_CHECKED), lambda: option)
    box.queryComponent().grabFocus(); then("key End shift+Home " + keys, keys.replace("comma", ",").replace(" ", ""), "typed in German")
    convert.queryAction().doAction(0)
    until(lambda: to.getText(0, -1) == wanted, lambda: f"{now()[0]!r} gives {to.getText(0, -1)!r}, not {wanted!r}")
x, y = mid(find("slider", "Thermometer"))
run("xdotool", "mousemove", x, y, "mousedown", "1", "mousemove", x, str(int(y) - 30), "sleep", "0.2", "mouseup", "1")
written = until(lambda: len(t := now()[0]) > 9 and t, lambda: f"the drag wrote {now()[0]!r}")
run("xdotool", "mousemove", *mid(box), "click", "1", "key", "End", "BackSpace"); menu("Down")  # Undo
then("key --delay 100 1 2 3 BackSpace", written[:-1], "1 2 3 BackSpace after Undo")  # tells when
PYTHON
  kill "$APP_PID" && wait "$APP_PID"; APP_PID=
}
type_in LC_ALL=de_DE.UTF-8
mkdir ~/.m17n.d && echo '(input-method t im) (map (m ("c" "9é87x65") ("p" "3é45678901") ("pp" "")))
  (state (init (m)))' >~/.m17n.d/im.mim  # "p" composes, awaiting a second "p"
export IBUS_ADDRESS=unix:path=$WORK/ibus && dbus-update-activation-environment IBUS_ADDRESS  # for its portal
ibus-daemon --address="$IBUS_ADDRESS" --panel=disable --emoji-extension=disable &>/dev/null & PIDS+=" $!"
retry 100 sh -c 'ibus engine m17n:t:im; [ "$(ibus engine)" = m17n:t:im ]' &>/dev/null || skip "no m17n:t:im in ibus"
type_in QT_IM_MODULE=ibus
