#!/usr/bin/env bash
# Every way into 'From' under a window manager keeps its rules. By the X keyboard, in German: numbers
# typed with the decimal comma; a compose sequence meets the key filter; the context menu's Delete
# takes the selection only; Undo after a drag's long text keeps typing limited. By ibus (m17n, a table
# of ours): a commit, and a composition pending as Convert is clicked, go in cut to the room, once.
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
    run("xdotool", *keys.split())
    until(lambda: now() == (wanted, len(wanted)), lambda: f"{what}: {now()}, not {wanted!r}")
if "QT_IM_MODULE=ibus" in sys.argv:  # "p" composes (a second "p" may follow), "c" commits; the click once the composition shows, as a person's
    box.queryComponent().grabFocus(); run("xdotool", "key", "End", "shift+Home", "1", "p")
    half = f"{(e := at(box)).width // 2 - 4}x{e.height - 8}+{e.x + e.width // 2}+{e.y + 4}"  # one digit leaves it blank
    until(lambda: min(run("import", "-window", "root", "-crop", half, "gray:-")) < 128, lambda: "no composition shown")
    then("mousemove " + " ".join(mid(convert)) + " click 1 key End", "134567890", "1, composing, Convert")
    sys.exit(then("key End shift+Home 1 2 3 4 5 6 7 c End", "123456798", "1234567, commit"))
then("mousemove %s %s click 1 key --delay 100 End shift+Home 1 Multi_key 1 2 2" % mid(box), "12", "1, compose 1 2 (½), 2")
then("key --delay 100 3 4 5 shift+Left shift+Left Menu Up Up Return", "123", "the menu's Delete of 45 selected")
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
then("mousemove %s %s click 1 key --delay 100 End BackSpace Menu Down Return 1 2 3 BackSpace" % mid(box), written[:-1], "Undo")
PYTHON
  kill "$APP_PID" && wait "$APP_PID"; APP_PID=
}
type_in LC_ALL=de_DE.UTF-8
mkdir ~/.m17n.d && echo '(input-method t im) (map (m ("c" "9é87x65") ("p" "3é45678901") ("pp" ""))) (state (init (m)))' >~/.m17n.d/im.mim
export IBUS_ADDRESS=unix:path=$WORK/ibus && dbus-update-activation-environment IBUS_ADDRESS  # for its portal
ibus-daemon --address="$IBUS_ADDRESS" --panel=disable --emoji-extension=disable &>/dev/null & PIDS+=" $!"
retry 100 sh -c 'ibus engine m17n:t:im; [ "$(ibus engine)" = m17n:t:im ]' &>/dev/null || skip "no m17n:t:im in ibus"
type_in QT_IM_MODULE=ibus
