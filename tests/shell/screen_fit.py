#!/usr/bin/python3
"""Drives the running program through the accessibility bus, as a screen reader user would, and
checks that its windows fit a screen of the given size: the maximised main window with its Exit
button, each calculator window and the Ideal Body Weight result window inside the child area,
then the exit window; its Exit ends the program. Prints one line per check and exits with the
number of failures.

Usage: screen_fit.py <screen width> <screen height> [designed] [wayland] [whole]
The sizes are in the coordinates Qt reports on the bus: points, the screen's pixels divided by
the scale factor (QT_SCALE_FACTOR). Each calculator window's height and the child area's are
printed on "measured:" lines.
With "designed", the launcher strip must stand where it was designed for that screen width.
With "whole", every calculator window must fit the child area whole, without scrolling, and
the step windows at their result step as well.
With "wayland": a window does not learn where it stands, so its edges count from its own corner
and the checks come down to sizes; and the bus does not say reliably what shows of a window in
the child area, so a calculator window taller than the child area under a desktop panel counts
when it starts inside the child area and fits the screen."""

import sys
import time

import pyatspi

width, height = int(sys.argv[1]), int(sys.argv[2])
designed = "designed" in sys.argv[3:]
wayland = "wayland" in sys.argv[3:]
whole = "whole" in sys.argv[3:]
failures = 0
TITLE = "Vellora v1.20"
CALCULATORS = {
    "Body Mass Index": "QV Body Mass Index",
    "Ideal Body Weight Calculator": "QV Ideal Body Weight Calculator",
    "Body Frame Size": "QV Body Frame Size",
    "Ideal Waist Hip Ratio": "QV Ideal Waist Hip Ratio",
}
# The step windows' result steps: what is typed into which box, and the button that calculates.
RESULT_STEPS = {
    "QV Body Frame Size": ({"Elbow breadth in inches": "2.5"}, "Get My Body Frame Size"),
    "QV Ideal Waist Hip Ratio": ({"Waist in centimetres": "80", "Hip in centimetres": "100"},
                                 "Calculate My Ideal Waist Hip Ratio"),
}


def check(what, holds, detail=""):
    global failures
    if holds:
        print(f"ok: {what}")
    else:
        failures += 1
        print(f"FAILED: {what} {detail}")


def wait_for(find, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            # What the bus kept of the program may miss a window that came since.
            app = program()
            if app is not None:
                app.clearCache()
            found = find()
        except Exception:  # an object that went away while it was looked at
            found = None
        if found:
            return found
        time.sleep(0.2)
    return None


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == "vellora":
            return app
    return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def frames():
    app = program()
    if app is None:
        return []
    return [w for w in app if w is not None and w.name == TITLE and showing(w)]


# Roles are compared by what they are, not by the name the bus gives them: newer AT-SPI calls
# a push button "button".
BUTTON = pyatspi.ROLE_PUSH_BUTTON


def descendant(root, role, name):
    found = pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and a.name == name
        and showing(a))
    return found


def calculate_and_check(calculator, title, calculate, what, claim):
    """Presses the calculate button and checks that what it shows, the window or step of that
    title with Back, lies inside the child area."""
    button = descendant(calculator, BUTTON, calculate)
    if button is not None:
        press(button)
    result = wait_for(lambda: child_window(main, title, "Back"), 30)
    if result is not None:
        area = child_area(result)
        measured(what, extents(result), area)
    check(claim, result is not None and inside(extents(result), area), result and extents(result))


def child_window(root, title, button=None):
    """The window in the child area with that title whose contents show (with that button, if
    one is named). Its own state is not asked: under Wayland the bus may keep the first
    calculator window as hidden while everything in it shows."""
    def shows(window):
        if button is not None:
            return descendant(window, BUTTON, button) is not None
        return window.childCount > 0 and showing(window.getChildAtIndex(0))
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == pyatspi.ROLE_FRAME and a.name == title
        and shows(a))


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return w > 0 and h > 0 and x >= ox and y >= oy and x + w <= ox + ow and y + h <= oy + oh


def child_area(window):
    """The child area a window stands in: the bus's object for its parent, whose top is where
    the strips above end; it ends where the bottom strip begins, or with the main window."""
    x, y, w, h = extents(window.parent)
    bottom = main_box[1] + main_box[3]
    strip = exit_button.parent
    if strip is not None and showing(strip):
        bottom = min(bottom, extents(strip)[1])
    return x, y, w, bottom - y


def measured(title, box, area):
    print(f"measured: {title} {box[3]} high, child area {area[3]} high", flush=True)


def menu_bar_of(accessible):
    while accessible is not None and accessible.getRoleName() != "menu bar":
        accessible = accessible.parent
    return accessible


def leave_calculator():
    """Where the launcher strip stands aside for a calculator, the way back is its File > Exit:
    the item of the menu bar that shows, the calculator's."""
    item = pyatspi.findDescendant(
        main, lambda a: a is not None and a.getRoleName() == "menu item" and a.name == "Exit"
        and menu_bar_of(a) is not None and showing(menu_bar_of(a)))
    if item is not None:
        press(item)


def press(accessible):
    action = accessible.queryAction()
    for index in range(action.nActions):
        if action.getName(index) == "Press":
            action.doAction(index)
            return


screen = (0, 0, width, height)
main = wait_for(lambda: frames()[0] if frames() else None, 90)
check("the main window is shown", main is not None)
if main is None:
    sys.exit(1)
wait_for(lambda: descendant(main, BUTTON, "Exit"))
main_box = extents(main)
check("the main window is inside the screen", inside(main_box, screen), main_box)
exit_button = descendant(main, BUTTON, "Exit")
check("the main window's Exit is inside the window",
      exit_button is not None and inside(extents(exit_button), main_box),
      exit_button and extents(exit_button))
launchers = {name: descendant(main, BUTTON, name) for name in CALCULATORS}
if designed:
    # The launcher strip centred on the screen: 11655 twips wide, its first button 840 in.
    strip_left = int((width * 15 - 11655) / 2 / 15 + 0.5)
    first = launchers["Body Mass Index"]
    check("the launcher buttons stand where they were designed",
          first is not None and extents(first)[0] - main_box[0] == strip_left + 840 // 15,
          first and extents(first))

for button, title in CALCULATORS.items():
    launcher = launchers[button]
    if launcher is not None and not showing(launcher):
        leave_calculator()
        wait_for(lambda: showing(launcher), 20)
    check(f"the launcher button {button} is inside the window",
          launcher is not None and inside(extents(launcher), main_box))
    if launcher is None:
        continue
    # A press that came before the window was ready to take it is pressed again: pressing the
    # button of the calculator that is open only opens it afresh.
    calculator = None
    for _ in range(3):
        press(launcher)
        calculator = wait_for(lambda: child_window(main, title), 20)
        if calculator is not None:
            break
    check(f"{title} opens", calculator is not None)
    if calculator is None:
        continue
    # Where a desktop panel leaves the child area shorter than the window, it may scroll to the
    # rest, unless the window must fit whole.
    area = child_area(calculator)
    box = extents(calculator)
    measured(title, box, area)
    scrolls = pyatspi.findDescendant(
        main, lambda a: a is not None and a.getRole() == pyatspi.ROLE_SCROLL_BAR
        and showing(a)) is not None
    starts_inside = inside(box[:3] + (1,), area)
    if inside(box, area):
        check(f"{title} is inside the child area", True)
    elif whole:
        check(f"{title} is inside the child area", False, (box, area))
    elif wayland:
        check(f"{title} starts inside the child area and fits the screen",
              starts_inside and inside(box, screen), (box, area))
    else:
        check(f"{title} starts inside the child area, which scrolls to the rest",
              starts_inside and scrolls and inside(box, screen), (box, area))
    if whole and title in RESULT_STEPS:
        boxes, calculate = RESULT_STEPS[title]
        for name, text in boxes.items():
            box = pyatspi.findDescendant(calculator, lambda a: a is not None and a.name == name)
            if box is not None:
                box.queryEditableText().setTextContents(text)
        calculate_and_check(calculator, title, calculate, title + " result step",
                            f"{title} at its result step is inside the child area")
    if button == "Ideal Body Weight Calculator":
        # Male, 4 Feet 6 Inches and Pounds are chosen already.
        calculate_and_check(calculator, title, "Get My Ideal Body Weight", title + " result",
                            "the Ideal Body Weight result window is inside the child area")

press(exit_button)
goodbye = wait_for(lambda: frames()[0] if frames() and frames()[0] != main else None)
check("the exit window is shown", goodbye is not None)
if goodbye is not None:
    wait_for(lambda: descendant(goodbye, BUTTON, "Exit"))
    box = extents(goodbye)
    check("the exit window is inside the screen", inside(box, screen), box)
    leave = descendant(goodbye, BUTTON, "Exit")
    check("the exit window has its Exit", leave is not None)
    if leave is not None:
        press(leave)
sys.exit(failures)
