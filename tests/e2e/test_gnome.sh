#!/usr/bin/env bash
# Under GNOME's compositor (mutter, headless), its remote-desktop pointer in hand: About and the
# browser are tied to the main window, fixed in size and clear of its title buttons; no spot of their
# caption minimises or maximises them, it drags them, its close box closes them; the main window
# drags by its surface, and its close button ends the program.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
start_mutter
# Under the address sanitizer: Qt's Wayland client leaves some of libwayland's objects at exit.
echo leak:libwayland-client.so >"$WORK/leaks" && export LSAN_OPTIONS=suppressions=$WORK/leaks
WAYLAND_DEBUG=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" 2>"$WORK/protocol.log" & APP_PID=$!
press About/Help && press List
/usr/bin/python3 - "$WORK/protocol.log" <<'PY' || fail "above"
import dbus, re, sys, time
log, rd, said, at, failures = open(sys.argv[1]), "org.gnome.Mutter.RemoteDesktop", "", None, []
pointer = dbus.Interface(dbus.SessionBus().get_object(rd, dbus.Interface(dbus.SessionBus().get_object(
    rd, "/org/gnome/Mutter/RemoteDesktop"), rd).CreateSession()), rd + ".Session")
pointer.Start()
def heard():  # all the program was told and asked, and the surface and spot the pointer is on
    global said, at
    for line in log.read().splitlines():
        said += line + "\n"
        if m := re.search(r"pointer@\d+\.(enter\(\d+, wl_surface@(\d+), |motion\(\d+, )([\d.]+), ([\d.]+)", line):
            at = (m[2] or at[0], round(float(m[3])), round(float(m[4])))
        at = None if re.search(r"pointer@\d+\.leave", line) else at
    return said
def to(x, y, *buttons, by=(0, 0)):  # x, y from the screen's top left corner; then by, held
    pointer.NotifyPointerMotionRelative(-9999.0, -9999.0), pointer.NotifyPointerMotionRelative(x, y)
    for down in buttons:  # the program starts a move on a press; the compositor moves then
        down or time.sleep(0.2) or pointer.NotifyPointerMotionRelative(*by) or time.sleep(0.2)
        pointer.NotifyPointerButton(272, down)
    return time.sleep(0.2) or heard() and at
def check(ok, what): ok or failures.append(print("FAIL:", what))
def last(toplevel, request): return ([""] + re.findall(rf"xdg_toplevel@{toplevel}\.{request}\((.*)\)", said))[-1]
for _ in range(100):  # until all three windows have come, on a slow machine too
    surfaces = dict(re.findall(r"new id xdg_surface@(\d+), wl_surface@(\d+)", heard()))
    windows = {last(t, "set_title").strip('"'): (t, surfaces[s]) for s, t in
               re.findall(r"xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)", said)}
    if {"Caldorine", "About Caldorine", "Caldorine - Useful Temperatures "} <= windows.keys(): break
    time.sleep(0.1)
time.sleep(0.5)  # and have been mapped
found = {}  # surface: its top left corner on the screen
for x, y in ((x, y) for y in range(50, 768, 100) for x in range(50, 1024, 100)):
    if spot := to(x, y): found.setdefault(spot[0], (x - spot[1], y - spot[2]))
(main, surface), (mx, my) = windows["Caldorine"], found[windows["Caldorine"][1]]
for title in ("Caldorine - Useful Temperatures ", "About Caldorine"):
    (toplevel, dialog), (x, y) = windows[title], found.get(windows[title][1], (-999, -999))
    w, h = map(int, last(toplevel, "set_min_size").split(", "))
    check(last(toplevel, "set_parent") == f"xdg_toplevel@{main}" and last(toplevel, "set_max_size") ==
          f"{w}, {h}", f"{title!r}: not fixed, or not tied to the main window")
    check(x > mx + 140 or x + w <= mx + 74 or y > my + 24 or y + h <= my + 7, f"{title!r} hides the title buttons")
    for spot in (63, 40): to(x + w - spot, y + 15, True, False)  # where Qt's own bar has them
    to(x + 100, y + 8, True, False, by=(50, 30))
    check(to(x + 150, y + 38) == (dialog, 100, 8), f"dragging {title!r} by its caption put {at} there")
    to(x + 50 + w - 17, y + 30 + 15, True, False)
    check(f"xdg_toplevel@{toplevel}.destroy()" in heard(), f"the close box left {title!r} open")
check(not re.search(r"set_m(ini|axi)mized", said), "a spot of a caption minimised or maximised its window")
to(mx + 8, my + 200, True, False, by=(60, 40))
check(to(mx + 68, my + 240) == (surface, 8, 200), f"the drag put {at} there")
sys.exit(to(mx + 60 + 130, my + 40 + 15, True, False) and bool(failures))
PY
expect_clean_exit "the main window's close button"
