"""Works the program by keyboard (the mercury by mouse) and keeps what a screen
reader speaks: windows and objects as the focus comes to them, changes of the
focused object, announcements. Given a button's name, only presses it."""
import subprocess, sys, time

import pyatspi
from gi.repository import GLib

spoken, failures, focus, window = [], [], None, None
FITTING = {"push button", "radio button", "combo box", "text", "slider", "list", "list item", "link"}
FROM, ABOUT, BROWSER = "'From' temperature value", "About Caldorine", "Caldorine - Useful Temperatures "

def window_of(node):
    while node.parent is not None and node.parent.getRoleName() != "application":
        node = node.parent
    return node

def heard(event):
    global focus, window
    source, kind = event.source, event.type
    try:
        if kind.endswith("focused") and event.detail1:
            if window_of(source) != window:
                window = window_of(source)
                spoken.append(f"{window.name} {window.description}")
            focus = source
            spoken.append(f"{source.name} {source.description}")
        elif kind.endswith("announcement"):
            spoken.append(str(event.any_data))
        elif source == focus and "property-change" in kind:
            what = kind.rsplit("-", 1)[1]  # name, description or value
            spoken.append(format(source.queryValue().currentValue, "g") if what == "value"
                          else getattr(source, what))
    except GLib.GError:  # an object of a window that has just closed
        pass

def press(*keys):  # then lets the program and the bus go quiet
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
        failures.append(what), print("FAIL:", what)
    return bool(ok)

def walk(node):
    yield node
    yield from (n for child in filter(None, node) for n in walk(child))

def shown(role, name):
    for _ in range(50):  # a loaded machine registers the program late
        program = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "caldorine"]
        if program and program[0].childCount:
            break
        press()
    return next((n for n in walk(program[0]) if n.getRoleName() == role and n.name == name
                 and n.getState().contains(pyatspi.STATE_SHOWING)), None)

def check_window(title):
    """Its frame; every reachable control named, with a fitting role; no nameless picture."""
    frame = shown("frame", title)
    ok = check(frame, f"no frame named {title!r}")
    for node in walk(frame) if frame else ():
        role, state = node.getRoleName(), node.getState()
        if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
            ok &= check(node.name and role in FITTING, f"focusable {role} {node.name!r} in {title}")
        ok &= check(role != "image" or node.name, f"a nameless picture in {title}")
    return ok

def tab_to(name):  # if any
    for _ in range(12 if name else 0):
        if getattr(focus, "name", None) == name:
            return
        press("Tab")
    check(not name, f"Tab never reaches {name!r}")

def value(): return shown("slider", "Thermometer").queryValue().currentValue

def drag_to_half():
    box = shown("slider", "Thermometer").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = str(box.x + box.width // 2), str(box.y + round(box.height * (1.15 - 0.5) / 1.48))
    subprocess.run(["xdotool", "mousemove", x, str(box.y + box.height // 10), "mousedown", "1",
                    "mousemove", x, y, "mouseup", "1"], check=True)

def no_reading(told): return not any("on a scale" in words for words in told)

# Tab to this control, press these keys (or do this), then this is heard
# exactly once, and this holds of all that was heard.
STEPS = [
    (FROM, "1 0 0 Tab space", "37.78", None),
    ("Thermometer", "Up", None, lambda told: "110" in told and round(value()) == 110),
    (None, drag_to_half, None, lambda _: abs(value() - 500) < 10 and shown("text", FROM)
     .description == shown("slider", "Thermometer").description),  # 'From' tells the same
    (FROM, "minus Tab space", "Please enter a valid number", no_reading),
    (None, "Return", "'From'", no_reading),
    (None, "F1", None, lambda _: check_window(ABOUT)),
    ("Handy Tips", "", None, None),
    ("Overview", "Escape", None, lambda _: not shown("frame", ABOUT)),
    ("List", "space", None, lambda _: check_window(BROWSER) and window.name == BROWSER),
    (None, "F1", None, lambda _: shown("frame", ABOUT)),
    (None, "Escape", None, None),
    ("List", "space", None, None),
    (None, "Down Tab", None, None),
    (None, "Down", "-52.00", lambda _: shown("text", FROM).queryText().getText(0, -1) == "-61.6"),
    (None, "Escape", None, lambda _: not shown("frame", BROWSER)),
]

if sys.argv[1:]:
    sys.exit(0 if (b := shown("push button", sys.argv[1])) and b.queryAction().doAction(0) else 1)
for kind in ("state-changed:focused", "announcement", *(
        "property-change:accessible-" + p for p in ("name", "description", "value"))):
    pyatspi.Registry.registerEventListener(heard, "object:" + kind)
check_window("Caldorine")
check(shown("slider", "Thermometer"), "the thermometer is no slider")
for target, keys, once, holds in STEPS:
    tab_to(target)
    mark = len(spoken)
    keys() if callable(keys) else press(*keys.split())
    press()
    told = spoken[mark:]
    times = sum(once in words for words in told) if once else 1
    check(times == 1 and (holds is None or holds(told)), f"{target} {keys}: heard {told}")
sys.exit(1 if failures else 0)
