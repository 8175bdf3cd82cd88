"""What a screen reader finds in the program's windows: in each window shown, every control
that takes the focus named, with a fitting role; no nameless picture; the thermometer a slider.
Given a button's name, only presses it."""
import pyatspi, sys, time

FITTING = {"push button", "radio button", "combo box", "text", "slider", "list", "list item", "link"}

def walk(node):
    yield node
    yield from (n for child in filter(None, node) for n in walk(child))

def shown(role, name):
    for _ in range(50):  # a loaded machine registers the program late
        program = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "caldorine"]
        if program and program[0].childCount:
            break
        time.sleep(0.1)
    return next((n for n in walk(program[0]) if n.getRoleName() == role and n.name == name
                 and n.getState().contains(pyatspi.STATE_SHOWING)), None)

def until(found, what):  # for 5 s at most: a loaded machine is slow
    return next((r for _ in range(50) if (r := found()) or time.sleep(0.1)), None) or sys.exit(what())

find = lambda role, name: until(lambda: shown(role, name), lambda: f"no {role} {name!r}")

if __name__ == "__main__":  # else a module of finders
    if sys.argv[1:]:
        sys.exit(0 if (b := shown("push button", sys.argv[1])) and b.queryAction().doAction(0) else 1)
    faults = [] if shown("slider", "Thermometer") else ["the thermometer is no slider"]
    for title in ("Caldorine", "About Caldorine", "Caldorine - Useful Temperatures "):
        frame = shown("frame", title)
        faults += [] if frame else [f"no frame named {title!r}"]
        for node in walk(frame) if frame else ():
            role, state = node.getRoleName(), node.getState()
            if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING) \
                    and not (node.name and role in FITTING):
                faults.append(f"focusable {role} {node.name!r} in {title}")
            if role == "image" and not node.name:
                faults.append(f"a nameless picture in {title}")
    for fault in faults:
        print("FAIL:", fault)
    sys.exit(1 if faults else 0)
