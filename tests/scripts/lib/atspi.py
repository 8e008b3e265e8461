#!/usr/bin/python3
"""Drives the editor as assistive technology does, over AT-SPI (the session's
accessibility bus): waits for windows by name and presses buttons and menu
entries through their actions, and reads the keys of the drawn keyboard. Works on X11 and Wayland alike, since AT-SPI
runs over D-Bus and not over the display.

  atspi.py wait APP WINDOW-REGEX [SECONDS]   wait until a showing window matches
  atspi.py press APP WINDOW-REGEX NAME       press a push button or menu entry
  atspi.py windows APP                       list the showing windows, one a line
  atspi.py keys APP                          list the keys of the layout view, one a
                                             line in position order: NAME, SELECTED
                                             (1 or 0), LEFT TOP WIDTH HEIGHT on the
                                             screen and DESCRIPTION, tab-separated
  atspi.py selected APP                      the selected key: NAME tab DESCRIPTION
  atspi.py menus APP WINDOW-REGEX             the names of the window's menus, one a line
  atspi.py describe APP NAME                 ROLE tab DESCRIPTION of the first object
                                             named NAME
  atspi.py presskey APP NAME                 press the first key named NAME

Exit status 0 on success, 1 with a message on stderr otherwise.
"""
import re
import sys
import time

import pyatspi

WINDOW_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW}


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def showing_windows(app):
    found = []
    for child in app:
        if child is None:
            continue
        try:
            if child.getRole() in WINDOW_ROLES and child.getState().contains(pyatspi.STATE_SHOWING):
                found.append(child)
        except Exception:  # a window that went away while being asked
            continue
    return found


def find(node, roles, name, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if node.getRole() in roles and node.name == name:
            return node
        for child in node:
            hit = find(child, roles, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def wait_window(app_name, pattern, seconds):
    regex = re.compile(pattern)
    deadline = time.monotonic() + seconds
    seen = []
    while time.monotonic() < deadline:
        app = application(app_name)
        if app is not None:
            windows = showing_windows(app)
            seen = [w.name for w in windows]
            for window in windows:
                if regex.search(window.name):
                    return window
        time.sleep(0.2)
    apps = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
    sys.exit("atspi: no showing window of %s matches %r within %ds (showing: %s; applications: %s)"
             % (app_name, pattern, seconds, seen or "none", apps or "none"))


def press(window, button_name):
    """Presses a push button or a menu entry (by its text without the mnemonic)."""
    button = find(window, {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_MENU_ITEM}, button_name)
    if button is None:
        sys.exit("atspi: window %r has no button %r" % (window.name, button_name))
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    sys.exit("atspi: button %r offers no press action" % button_name)


LAYOUT_VIEW = "Keyboard layout"  # the accessible name of the layout view


def find_named(node, name, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if node.name == name:
            return node
        for child in node:
            hit = find_named(child, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def layout_view(app_name):
    app = application(app_name)
    if app is None:
        sys.exit("atspi: no application %r" % app_name)
    for window in showing_windows(app):
        view = find_named(window, LAYOUT_VIEW)
        if view is not None:
            return view
    sys.exit("atspi: %s shows no %r" % (app_name, LAYOUT_VIEW))


def key_line(key):
    selected = 1 if key.getState().contains(pyatspi.STATE_SELECTED) else 0
    box = key.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return "%s\t%d\t%d\t%d\t%d\t%d\t%s" % (key.name, selected, box.x, box.y, box.width, box.height,
                                          key.description)


def keys(view):
    return [view.getChildAtIndex(i) for i in range(view.childCount)]


def selected_key(view):
    # The upper block of the L-shaped Enter key is selected with the Enter
    # key; the focused child is the key itself.
    chosen = [k for k in keys(view) if k.getState().contains(pyatspi.STATE_SELECTED)]
    if not chosen:
        sys.exit("atspi: no key is selected")
    focused = [k for k in chosen if k.getState().contains(pyatspi.STATE_FOCUSED)]
    return (focused or chosen)[0]


def press_key(view, name):
    for key in keys(view):
        if key.name == name:
            action = key.queryAction()
            for i in range(action.nActions):
                if action.getName(i) in ("Press", "press", "click"):
                    action.doAction(i)
                    return
            sys.exit("atspi: key %r offers no press action" % name)
    sys.exit("atspi: the layout view has no key %r" % name)


def menu_titles(window):
    """The names of the menu bar's menus, in order."""
    def menu_bar(node, depth=0):
        if node is None or depth > 6:
            return None
        if node.getRole() == pyatspi.ROLE_MENU_BAR:
            return node
        for child in node:
            hit = menu_bar(child, depth + 1)
            if hit is not None:
                return hit
        return None

    bar = menu_bar(window)
    if bar is None:
        sys.exit("atspi: %s has no menu bar" % window.name)
    return [child.name for child in bar if child is not None]


def main(argv):
    if len(argv) >= 3 and argv[0] == "wait":
        wait_window(argv[1], argv[2], int(argv[3]) if len(argv) > 3 else 20)
    elif len(argv) == 4 and argv[0] == "press":
        press(wait_window(argv[1], argv[2], 20), argv[3])
    elif len(argv) == 2 and argv[0] == "windows":
        app = application(argv[1])
        for window in showing_windows(app) if app is not None else []:
            print(window.name)
    elif len(argv) == 2 and argv[0] == "keys":
        for key in keys(layout_view(argv[1])):
            print(key_line(key))
    elif len(argv) == 2 and argv[0] == "selected":
        key = selected_key(layout_view(argv[1]))
        print("%s\t%s" % (key.name, key.description))
    elif len(argv) == 3 and argv[0] == "describe":
        app = application(argv[1])
        hit = find_named(app, argv[2]) if app is not None else None
        if hit is None:
            sys.exit("atspi: %s has no object named %r" % (argv[1], argv[2]))
        print("%s\t%s" % (hit.getRoleName(), hit.description))
    elif len(argv) == 3 and argv[0] == "menus":
        for title in menu_titles(wait_window(argv[1], argv[2], 20)):
            print(title)
    elif len(argv) == 3 and argv[0] == "presskey":
        press_key(layout_view(argv[1]), argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
