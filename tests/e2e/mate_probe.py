#!/usr/bin/python3
"""Chooses Torvane in mate-screensaver-preferences through the accessibility
bus, as a screen reader user would, while it runs in the same session: the
list of screensavers has it, choosing it previews it, and the lock is
turned off (a locked screen would ask for a password to end). Prints one
"key: value" line for each finding; saves a picture of the window as
OUTPUT_PNG.

  mate_probe.py OUTPUT_PNG
"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from settings_probe import click, named, nodes, wait_for  # noqa: E402


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "mate-screensaver-preferences":
            return app
    return None


def main():
    app = wait_for(application, "mate-screensaver-preferences")
    cell = wait_for(lambda: named(app, "table cell", "Torvane"), "Torvane in the list")
    print("listed: Torvane")
    Atspi.Selection.select_child(cell.get_parent(), cell.get_index_in_parent())
    lock = named(app, "check box", "Lock screen when screensaver is active")
    if lock.get_state_set().contains(Atspi.StateType.CHECKED):
        click(lock)
    time.sleep(3)
    window = next(n for n in nodes(app) if n.get_role_name() in ("frame", "dialog"))
    extents = Atspi.Component.get_extents(window, Atspi.CoordType.SCREEN)
    screen = sys.argv[1] + ".screen.png"
    subprocess.run(["import", "-window", "root", screen], check=True)
    subprocess.run(["convert", screen, "-crop",
                    f"{extents.width}x{extents.height}+{extents.x}+{extents.y}", "+repage",
                    sys.argv[1]], check=True)
    print("chosen: Torvane")


if __name__ == "__main__":
    main()
