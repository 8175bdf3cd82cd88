"""The listening half of test_screen_reader.sh. It reads the running
program's accessible tree, works it by keyboard (and the mercury by mouse)
through xdotool, and keeps what a screen reader speaks: the focused object's
name and description when the focus moves to it, changes of its name or
description, the value of a focused slider as it changes, and announcements.
Run by the Debian Python, with pyatspi, on the program's accessibility bus."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

spoken, failures = [], []
focus = window = None


def window_of(node):
    while node.parent is not None and node.parent.getRoleName() != "application":
        node = node.parent
    return node


def heard(event):
    global focus, window
    source, kind = event.source, event.type
    if kind == "object:state-changed:focused":
        if not event.detail1:
            return
        # A window, an alert above all, is presented as the focus enters it.
        if window_of(source) != window:
            window = window_of(source)
            spoken.append(f"{window.name} {window.description}")
        focus = source
        spoken.append(f"{source.name} {source.description}")
    elif kind == "object:announcement":
        spoken.append(str(event.any_data))
    elif source == focus and kind.endswith("accessible-value"):
        spoken.append(format(source.queryValue().currentValue, "g"))
    elif source == focus:
        spoken.append(source.name if kind.endswith("name") else source.description)


def listen(event):
    try:
        heard(event)
    except GLib.GError:  # an object of a window that has just closed
        pass


def settle():
    """Lets the program and the bus go quiet (a loaded machine is slow)."""
    context, quiet_since, told = GLib.MainContext.default(), time.time(), len(spoken)
    while time.time() - quiet_since < 0.5:
        while context.iteration(False):
            pass
        if len(spoken) != told:
            quiet_since, told = time.time(), len(spoken)
        time.sleep(0.02)


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
    settle()


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def program():
    for _ in range(100):  # a loaded machine registers late
        found = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "caldorine"]
        if found and found[0].childCount:
            return found[0]
        settle()
    sys.exit("FAIL: the program never appeared on the accessibility bus")


def shown(role, name):
    return next((n for n in walk(program()) if n.getRoleName() == role and n.name == name
                 and n.getState().contains(pyatspi.STATE_SHOWING)), None)


def tab_to(name):
    for _ in range(12):
        if focus is not None and focus.name == name:
            return
        press("Tab")
    check(False, f"Tab never reaches {name!r}")


def said_once_after(mark, text):
    times = sum(text in words for words in spoken[mark:])
    check(times == 1, f"{text!r} spoken {times} times, not once: {spoken[mark:]}")


for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
             "object:property-change:accessible-description",
             "object:property-change:accessible-value", "object:announcement"):
    pyatspi.Registry.registerEventListener(listen, kind)
settle()

# Each window is a frame with its title; each control a user can reach there
# is named and has the role of what it does; no nameless picture is read.
FITTING = {"push button", "radio button", "combo box", "text", "slider", "list", "list item",
           "link"}


def check_window(title):
    window = shown("frame", title)
    check(window is not None, f"no frame named {title!r}")
    for node in walk(window or program()):
        role, state = node.getRoleName(), node.getState()
        if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
            check(node.name and role in FITTING, f"focusable {role} {node.name!r} in {title}")
        check(role != "image" or node.name, f"a nameless picture in {title}")


check_window("Caldorine")
thermometer = shown("slider", "Thermometer")
check(thermometer is not None, "the thermometer is no slider")

# Keyboard only: 100 °F converted is heard as 37.78 °C, once.
tab_to("'From' temperature value")
subprocess.run(["xdotool", "type", "--delay", "150", "100"], check=True)
press("Tab")
mark = len(spoken)
press("space")
said_once_after(mark, "37.78")

# The thermometer follows the keys and the mouse, and says its new value.
gauge = thermometer.queryValue()
tab_to("Thermometer")
mark = len(spoken)
press("Up")
check(round(gauge.currentValue) == 110 and "110" in spoken[mark:], f"Up: {spoken[mark:]}")
press("Prior")
check(round(gauge.currentValue) == 210, f"Page Up: {gauge.currentValue}")
box = thermometer.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = box.x + box.width // 2, box.y + round(box.height * (1.15 - 0.5) / 1.48)
subprocess.run(["xdotool", "mousemove", str(x), str(box.y + box.height // 10), "mousedown", "1",
                "mousemove", str(x), str(y), "mouseup", "1"], check=True)
settle()
check(abs(gauge.currentValue - 500) < 10, f"dragged to half the scale: {gauge.currentValue}")

# A refused text is heard through its message box, and no reading with it.
tab_to("'From' temperature value")
subprocess.run(["xdotool", "type", "--delay", "150", "-"], check=True)
press("Tab")
mark = len(spoken)
press("space")
press("Return")
said_once_after(mark, "Please enter a valid number")
check(not any("on a scale" in words for words in spoken[mark:]), f"a reading: {spoken[mark:]}")

# F1 opens About, whose buttons Tab reaches; Esc closes it.
press("F1")
check_window("About Caldorine")
reached = set()
for _ in range(5):
    press("Tab")
    reached.add(focus.name if focus else None)
check({"Overview", "Handy Tips"} <= reached, f"Tab in About reaches only {reached}")
press("Escape")
check(shown("frame", "About Caldorine") is None, "Esc leaves About open")

# List and a preset, by keyboard alone, fill 'From' and are heard once.
tab_to("List")
press("space")
check_window("Caldorine - Useful Temperatures ")
press("Down", "Tab")
mark = len(spoken)
press("Down")
text = shown("text", "'From' temperature value").queryText()
check(text.getText(0, -1) == "-61.6", f"the preset gave 'From' {text.getText(0, -1)!r}")
said_once_after(mark, "-52.00")
press("Escape")
check(shown("frame", "Caldorine - Useful Temperatures ") is None, "Esc leaves the browser open")
sys.exit(1 if failures else 0)
