#!/usr/bin/python3
"""Looks at the Linux program's windows from outside through the desktop's accessibility
bus (AT-SPI), as a screen reader would, and prints them as JSON in the shape that the
driver reads: every showing top-level window with its caption, outer and client
rectangles in screen coordinates, whether it is active, and every control inside it with
its kind, rectangle, text and whether it has the keyboard focus.

Qt reports line breaks as "\\n"; they are printed as the "\\r\\n" the scenarios expect.
Needs DISPLAY and the DBUS_SESSION_BUS_ADDRESS of the program's session.
"""
import json
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Accessibility roles by the name of the control kinds the scenarios know.
CLASS_OF_ROLE = {
    Atspi.Role.PUSH_BUTTON: "button",
    Atspi.Role.TEXT: "edit",
    Atspi.Role.LABEL: "static",
    Atspi.Role.PANEL: "group",
}


def rect_of(accessible):
    extents = accessible.get_extents(Atspi.CoordType.SCREEN)
    return [extents.x, extents.y, extents.width, extents.height]


def moved(rect, dx, dy):
    x, y, width, height = rect
    return [x + dx, y + dy, width, height]


def text_of(accessible):
    if accessible.get_role() == Atspi.Role.TEXT:
        text = Atspi.Text.get_text(accessible, 0, -1)
    else:
        text = accessible.get_name()
    return (text or "").replace("\n", "\r\n")


def x_run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=10).stdout


def x_geometry(pid, caption):
    """Where the X server shows the program's window of that caption: its client rectangle
    and the window manager's frame around it as (left, right, top, bottom)."""
    for window in x_run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
                        f"^{caption}$").split():
        info = dict(line.strip().split(":", 1) for line in x_run("xwininfo", "-id", window).splitlines()
                    if ":" in line and not line.startswith("xwininfo"))
        client = [int(info[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        extents = x_run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
        frame = [int(value) for value in extents.split("=", 1)[1].split(",")] if "=" in extents else [0] * 4
        return client, frame
    return None, [0] * 4


def controls_in(accessible):
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is None:
            continue
        yield child
        yield from controls_in(child)


def describe(window, pid):
    states = window.get_state_set()
    caption = window.get_name() or ""
    # The place of the window comes from the X server, which knows where the window
    # manager put it; the places of the controls inside it from their offsets in Qt.
    accessible_client = rect_of(window)
    client, (left, right, top, bottom) = x_geometry(pid, caption)
    client = client or accessible_client
    shift_x, shift_y = client[0] - accessible_client[0], client[1] - accessible_client[1]
    outer = [client[0] - left, client[1] - top, client[2] + left + right, client[3] + top + bottom]
    children = []
    for control in controls_in(window):
        if control.get_role() not in CLASS_OF_ROLE:
            continue
        children.append({
            "class": CLASS_OF_ROLE[control.get_role()],
            "rect": moved(rect_of(control), shift_x, shift_y),
            "text": text_of(control),
            "focused": control.get_state_set().contains(Atspi.StateType.FOCUSED),
        })
    return {"caption": caption, "class": window.get_role_name(), "outer": outer, "client": client,
            "active": states.contains(Atspi.StateType.ACTIVE), "children": children}


def main():
    desktop = Atspi.get_desktop(0)
    windows = []
    for app_index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(app_index)
        for index in range(app.get_child_count() if app else 0):
            window = app.get_child_at_index(index)
            if window is not None and window.get_state_set().contains(Atspi.StateType.SHOWING):
                windows.append(describe(window, app.get_process_id()))
    json.dump(windows, sys.stdout, ensure_ascii=True)
    print()
    return 0


if __name__ == "__main__":
    sys.exit(main())
