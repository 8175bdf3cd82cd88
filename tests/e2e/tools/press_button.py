# Presses a push button of a running program through the accessibility bus,
# as a screen reader does. Usage: press_button.py PROGRAM BUTTON-NAME
# Waits up to 10 s for the button; fails if it never appears.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find(node, name):
    if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == name:
        return node
    children = (node.get_child_at_index(i) for i in range(node.get_child_count()))
    return next((hit for child in children if child and (hit := find(child, name))), None)


program, button = sys.argv[1:]
for _ in range(100):
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    for app in (a for a in apps if a and a.get_name() == program):
        if hit := find(app, button):
            sys.exit(0 if Atspi.Action.do_action(hit, 0) else 1)
    time.sleep(0.1)
sys.exit(f"no button {button!r} in {program}")
