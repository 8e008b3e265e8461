#!/usr/bin/python3
"""Drives the editor as assistive technology does, over AT-SPI (the session's
accessibility bus): waits for windows by name and presses buttons and menu
entries through their actions. Works on X11 and Wayland alike, since AT-SPI
runs over D-Bus and not over the display.

  atspi.py wait APP WINDOW-REGEX [SECONDS]   wait until a showing window matches
  atspi.py press APP WINDOW-REGEX NAME       press a push button or menu entry
  atspi.py windows APP                       list the showing windows, one a line

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


def main(argv):
    if len(argv) >= 3 and argv[0] == "wait":
        wait_window(argv[1], argv[2], int(argv[3]) if len(argv) > 3 else 20)
    elif len(argv) == 4 and argv[0] == "press":
        press(wait_window(argv[1], argv[2], 20), argv[3])
    elif len(argv) == 2 and argv[0] == "windows":
        app = application(argv[1])
        for window in showing_windows(app) if app is not None else []:
            print(window.name)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
