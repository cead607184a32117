#!/usr/bin/python3
"""Reads xscreensaver-settings through the accessibility bus, as a screen
reader would, while it runs in the same session: whether torvane is listed
and described, what its Settings... pane offers, and the command line the
pane builds at first and after each of its controls is changed in turn,
then keeps the changes with Save. Prints one "key: value" line for each
finding; saves a picture of the pane as OUTPUT_PNG.

  settings_probe.py OUTPUT_PNG
"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def nodes(node):
    """The node and everything below it."""
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from nodes(child)


def text_of(node):
    if "Text" not in node.get_interfaces():
        return ""
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def wait_for(find, what, seconds=30):
    for _ in range(seconds * 10):
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    print(f"missing: {what}")
    sys.exit(1)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "xscreensaver-settings":
            return app
    return None


def named(root, role, name):
    for node in nodes(root):
        if node.get_role_name() == role and node.get_name() == name:
            return node
    return None


def click(node):
    Atspi.Action.do_action(node, 0)


def command_line(pane):
    for node in nodes(pane):
        if node.get_role_name() == "text" and text_of(node).startswith("torvane"):
            return text_of(node)
    return ""


def choose(pane, menu, item):
    """Selects an item of a menu (a combo box, named after its choice) as
    the keyboard would; clicking a menu that is not open crashes GTK."""
    combo = wait_for(lambda: named(pane, "combo box", menu), f"menu {menu}")
    items = [n.get_name() for n in nodes(combo) if n.get_role_name() == "menu item"]
    Atspi.Selection.select_child(combo, items.index(item))


def move_onto_screen(pane):
    """With no window manager the pane opens beyond the screen's right edge:
    its X window (the one of its size among those of its name) goes to the
    top left corner."""
    size = Atspi.Component.get_size(pane)
    found = subprocess.run(["xdotool", "search", "--name", "^" + pane.get_name() + "$"],
                           capture_output=True, text=True).stdout.split()
    for window in found:
        geometry = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
        if f"Width: {size.x}\n" in geometry and f"Height: {size.y}\n" in geometry:
            subprocess.run(["xdotool", "windowmove", window, "0", "0"], check=True)
    time.sleep(1)


def main():
    app = wait_for(application, "xscreensaver-settings")
    wait_for(lambda: named(app, "table cell", "Torvane"), "Torvane in the list")
    print("listed: Torvane")
    description = wait_for(
        lambda: next((n for n in nodes(app) if n.get_role_name() == "label"
                      and text_of(n).startswith("A closed, lit and textured tube")), None),
        "the description")
    print("description: " + " ".join(text_of(description).split()))

    click(wait_for(lambda: named(app, "push button", "Settings..."), "Settings..."))
    pane = wait_for(lambda: named(app, "dialog", "XScreenSaver: Torvane Settings"), "the pane")
    time.sleep(1)
    controls = sorted({" ".join(n.get_name().split()) for n in nodes(pane)
                       if n.get_role_name() in ("label", "check box", "combo box", "menu item")
                       and n.get_name()})
    print("controls: " + " | ".join(controls))
    print("command: " + command_line(pane))

    move_onto_screen(pane)
    extents = Atspi.Component.get_extents(pane, Atspi.CoordType.SCREEN)
    screen = sys.argv[1] + ".screen.png"
    subprocess.run(["import", "-window", "root", screen], check=True)
    subprocess.run(["convert", screen, "-crop",
                    f"{extents.width}x{extents.height}+{extents.x}+{extents.y}", "+repage",
                    sys.argv[1]], check=True)
    print(f"pane: {extents.width}x{extents.height}+{extents.x}+{extents.y}")

    def changed(what):
        time.sleep(0.5)
        print(f"after {what}: " + command_line(pane))

    # The sliders in the pane's order; the frame rate's shows the delay
    # turned around, which at its middle is the same.
    sliders = [n for n in nodes(pane) if n.get_role_name() == "slider"]
    for slider, (label, value) in zip(sliders, SLIDERS):
        Atspi.Value.set_current_value(slider, value)
        changed(label)
    click(named(pane, "check box", "Show frame rate"))
    changed("Show frame rate")
    for menu, item in MENUS:
        choose(pane, menu, item)
        changed(item)

    click(named(pane, "push button", "Save"))
    time.sleep(1)
    click(named(app, "menu item", "Quit"))


SLIDERS = [("Frame rate", 50000), ("Rotation speed", 300), ("Bump speed", 120),
           ("Curve resolution", 250), ("Revolution resolution", 20)]
MENUS = [("Skin as in Torvane Settings", "Skin 3"),
         ("Curve as in Torvane Settings", "Sphere 1 curve"),
         ("Filtering as in Torvane Settings", "No bilinear filtering"),
         ("Bumps as in Torvane Settings", "Animated bumps"),
         ("Bump shape as in Torvane Settings", "Smooth bumps"),
         ("Texture as in Torvane Settings", "Move texture with bumps"),
         ("Reflection as in Torvane Settings", "Environmental lighting"),
         ("Multitexture as in Torvane Settings", "Multitexture (if available)")]


if __name__ == "__main__":
    main()
