#!/usr/bin/env bash
# In German the program reads and writes numbers as a German reader does: "37,5" typed as °F is
# 3,06 °C and 1000 °C is 1.832,00 °F, as 'To' tells a screen reader.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
start_xserver
start_window_manager
start_app LC_ALL=de_DE.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
xdotool windowactivate --sync "$win" || fail "could not activate the window"
/usr/bin/python3 - <<'PYTHON' || fail "German numbers, above"
import subprocess, sys, time, pyatspi
def walk(node):
    yield node
    yield from (n for child in filter(None, node) for n in walk(child))
def find(role, name):
    for _ in range(50):  # a loaded machine registers the program late
        for node in (n for a in pyatspi.Registry.getDesktop(0) if a and a.name == "caldorine" for n in walk(a)):
            if node.getRoleName() == role and node.name == name:
                return node
        time.sleep(0.1)
    sys.exit(f"no {role} {name!r}")
def until(holds, what):
    for _ in range(50):
        if holds():
            return
        time.sleep(0.1)
    sys.exit(what())
def keys(*pressed): subprocess.run(["xdotool", *pressed], check=True)
FROM, TO = "'From' temperature value", "'To' temperature value"
text = lambda name: find("text", name).queryText().getText(0, -1)
for option, typed, expected in (("°F to °C", "37,5", "3,06"), ("°C to °F", "1000", "1.832,00")):
    button = find("radio button", option)
    button.queryComponent().grabFocus()
    keys("key", "space")
    until(lambda: button.getState().contains(pyatspi.STATE_CHECKED), lambda: f"{option} not chosen")
    find("text", FROM).queryComponent().grabFocus()
    keys("key", "End", "shift+Home", "type", "--delay", "100", typed)
    find("push button", "Convert").queryAction().doAction(0)
    until(lambda: text(TO) == expected, lambda: f"{text(FROM)!r} gives {text(TO)!r}, not {expected!r}")
PYTHON
