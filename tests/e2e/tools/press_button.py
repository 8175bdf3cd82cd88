# Presses a push button of a running program through the accessibility bus,
# as a screen reader does, waiting up to 10 s for it to appear.
# Usage: press_button.py PROGRAM BUTTON-NAME
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def buttons(node):
    if node.get_role() == Atspi.Role.PUSH_BUTTON:
        yield node
    for i in range(node.get_child_count()):
        yield from buttons(node.get_child_at_index(i))


program, name = sys.argv[1:]
for _ in range(100):
    desktop = Atspi.get_desktop(0)
    for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
        if app.get_name() == program:
            for button in (b for b in buttons(app) if b.get_name() == name):
                sys.exit(0 if Atspi.Action.do_action(button, 0) else 1)
    time.sleep(0.1)
sys.exit(f"no button {name!r} in {program}")
