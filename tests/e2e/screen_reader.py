"""Reads the running program's accessible tree, works it by keyboard (and the
mercury by mouse) and keeps what a screen reader speaks: a window and the
focused object as the focus comes to them, changes of the focused object's
name, description or value, and announcements. With a button's name as its
argument it only presses that button, as a screen reader can."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

spoken, failures = [], []
focus = window = None
FITTING = {"push button", "radio button", "combo box", "text", "slider", "list", "list item", "link"}


def window_of(node):
    while node.parent is not None and node.parent.getRoleName() != "application":
        node = node.parent
    return node


def heard(event):
    global focus, window
    source, kind = event.source, event.type
    try:
        if kind == "object:state-changed:focused":
            if event.detail1 and window_of(source) != window:
                window = window_of(source)
                spoken.append(f"{window.name} {window.description}")
            if event.detail1:
                focus = source
                spoken.append(f"{source.name} {source.description}")
        elif kind == "object:announcement":
            spoken.append(str(event.any_data))
        elif source == focus and kind.endswith("value"):
            spoken.append(format(source.queryValue().currentValue, "g"))
        elif source == focus:
            spoken.append(source.name if kind.endswith("name") else source.description)
    except GLib.GError:  # an object of a window that has just closed
        pass


def press(*keys):
    """Presses the keys, then lets the program and the bus go quiet."""
    if keys:
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
    context, quiet_since, told = GLib.MainContext.default(), time.time(), len(spoken)
    while time.time() - quiet_since < 0.5:
        while context.iteration(False):
            pass
        if len(spoken) != told:
            quiet_since, told = time.time(), len(spoken)
        time.sleep(0.02)


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def shown(role, name):
    for _ in range(50):  # a loaded machine registers the program late
        program = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "caldorine"]
        if program and program[0].childCount:
            break
        press()
    return next((n for n in walk(program[0]) if n.getRoleName() == role and n.name == name
                 and n.getState().contains(pyatspi.STATE_SHOWING)), None)


def check_window(title):
    """A frame with its title, whose every reachable control is named and
    has the role of what it does, and where no nameless picture is read."""
    frame = shown("frame", title)
    check(frame is not None, f"no frame named {title!r}")
    for node in walk(frame) if frame else ():
        role, state = node.getRoleName(), node.getState()
        if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
            check(node.name and role in FITTING, f"focusable {role} {node.name!r} in {title}")
        check(role != "image" or node.name, f"a nameless picture in {title}")


def tab_to(name):
    for _ in range(12):
        if focus is not None and focus.name == name:
            return
        press("Tab")
    check(False, f"Tab never reaches {name!r}")


def said(keys, text, once=True):
    mark = len(spoken)
    press(*keys)
    times = sum(text in words for words in spoken[mark:])
    check(times == 1 or times and not once, f"{text!r} spoken {times} times: {spoken[mark:]}")
    return spoken[mark:]


if sys.argv[1:]:
    button = shown("push button", sys.argv[1])
    sys.exit(0 if button and button.queryAction().doAction(0) else 1)
for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
             "object:property-change:accessible-description",
             "object:property-change:accessible-value", "object:announcement"):
    pyatspi.Registry.registerEventListener(heard, kind)
check_window("Caldorine")

# Keyboard only: 100 °F converted is heard as 37.78 °C, once.
tab_to("'From' temperature value")
press("1", "0", "0", "Tab")
said(["space"], "37.78")

# The thermometer is a slider that follows the keys and the mouse, and says
# its new value (and its reading in words, the other unit with it).
thermometer = shown("slider", "Thermometer") or sys.exit("FAIL: the thermometer is no slider")
gauge = thermometer.queryValue()
tab_to("Thermometer")
check("110" in said(["Up"], "110", once=False), "Up: no value heard")
check(round(gauge.currentValue) == 110, f"Up: {gauge.currentValue}")
press("Prior")
check(round(gauge.currentValue) == 210, f"Page Up: {gauge.currentValue}")
box = thermometer.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = str(box.x + box.width // 2), str(box.y + round(box.height * (1.15 - 0.5) / 1.48))
subprocess.run(["xdotool", "mousemove", x, str(box.y + box.height // 10), "mousedown", "1",
                "mousemove", x, y, "mouseup", "1"], check=True)
press()
check(abs(gauge.currentValue - 500) < 10, f"dragged to half the scale: {gauge.currentValue}")

# A refused text is heard through its message box, and no reading with it.
tab_to("'From' temperature value")
press("minus", "Tab")
told = said(["space"], "Please enter a valid number")
told += said(["Return"], "'From'")
check(not any("on a scale" in words for words in told), f"a reading heard: {told}")

# F1 opens About, whose buttons Tab reaches; Esc closes it.
press("F1")
check_window("About Caldorine")
tab_to("Handy Tips")
tab_to("Overview")
press("Escape")
check(shown("frame", "About Caldorine") is None, "Esc leaves About open")

# The List button and a preset, by keyboard alone, fill 'From', and the
# result is heard once.
tab_to("List")
press("space")
check_window("Caldorine - Useful Temperatures ")
check(window.name == "Caldorine - Useful Temperatures ", "List leaves the keyboard behind")
press("F1")
check(shown("frame", "About Caldorine") is not None, "F1 in the browser shows no About window")
press("Escape")
tab_to("List")
press("space")
press("Down", "Tab")
said(["Down"], "-52.00")
text = shown("text", "'From' temperature value").queryText().getText(0, -1)
check(text == "-61.6", f"the preset gave 'From' {text!r}")
press("Escape")
check(shown("frame", "Caldorine - Useful Temperatures ") is None, "Esc leaves the browser open")
sys.exit(1 if failures else 0)
