#!/usr/bin/env bash
# In German a typed "37,5" °F is 3,06 °C and 1000 °C is 1.832,00 °F, as 'To' tells a screen reader.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
start_xserver && start_window_manager
start_app LC_ALL=de_DE.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 - "$(dirname "$0")" <<'PYTHON' || fail "German numbers, above"
import subprocess, sys, pyatspi
sys.path.insert(0, sys.argv[1]); from screen_reader import find, until
text = lambda box: find("text", f"'{box}' temperature value").queryText().getText(0, -1)
for option, typed, expected in (("°F to °C", "37,5", "3,06"), ("°C to °F", "1000", "1.832,00")):
    find("radio button", option).queryComponent().grabFocus()
    subprocess.run(["xdotool", "key", "space"], check=True)
    until(lambda: find("radio button", option).getState().contains(pyatspi.STATE_CHECKED), lambda: option)
    find("text", "'From' temperature value").queryComponent().grabFocus()
    subprocess.run(["xdotool", "key", "End", "shift+Home", "type", "--delay", "100", typed], check=True)
    find("push button", "Convert").queryAction().doAction(0)
    until(lambda: text("To") == expected, lambda: f"{text('From')!r} gives {text('To')!r}, not {expected!r}")
PYTHON
