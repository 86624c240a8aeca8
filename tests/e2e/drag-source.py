#!/usr/bin/python3
"""Drags files onto a point of the X screen, as a file manager would.

Opens a small GTK window offering the files as text/uri-list, then moves the
pointer with xdotool from that window to the target and releases it there.
Usage: drag-source.py X Y [--shift] [--done MARKER] FILE...
"""
import argparse
import pathlib
import subprocess
import sys
import threading

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gdk, Gtk  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("x", type=int)
parser.add_argument("y", type=int)
parser.add_argument("--shift", action="store_true")
parser.add_argument("--done")
parser.add_argument("files", nargs="+")
args = parser.parse_args()
uris = [pathlib.Path(f).absolute().as_uri() for f in args.files]


def xdotool(*words):
    subprocess.run(["xdotool", *map(str, words)], check=True)


def on_drag_data_get(widget, context, selection, info, time):
    selection.set_uris(uris)


def perform_drag():
    # Start from the middle of the label, wherever the window manager put it.
    _, left, top = box.get_window().get_origin()
    start_x = left + box.get_allocated_width() // 2
    start_y = top + box.get_allocated_height() // 2
    # The pointer moves from another thread: the main loop must stay free to
    # answer the target's request for the data.
    threading.Thread(target=move_pointer, args=(start_x, start_y), daemon=True).start()
    return False


def move_pointer(start_x, start_y):
    xdotool("mousemove", start_x, start_y)
    if args.shift:
        xdotool("keydown", "shift")
    xdotool("mousedown", 1)
    # Small steps, so GTK sees a drag start and the target sees the pointer arrive.
    for step in range(1, 11):
        xdotool("mousemove", start_x + (args.x - start_x) * step // 10, start_y + (args.y - start_y) * step // 10)
        xdotool("sleep", 0.05)
    xdotool("sleep", 0.3)
    xdotool("mouseup", 1)
    xdotool("sleep", 1.5)
    if args.shift:
        xdotool("keyup", "shift")
    GLib.idle_add(finish)


def finish():
    if args.done:
        pathlib.Path(args.done).write_text("done\n")
    Gtk.main_quit()
    return False


window = Gtk.Window(title="drag source")
window.set_default_size(80, 80)
window.move(0, 0)
box = Gtk.EventBox()
box.add(Gtk.Label(label="files"))
box.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY | Gdk.DragAction.LINK)
box.drag_source_add_uri_targets()
box.connect("drag-data-get", on_drag_data_get)
window.add(box)
window.connect("destroy", Gtk.main_quit)
window.show_all()
GLib.timeout_add(700, perform_drag)
GLib.timeout_add(20000, finish)  # never hang a test run
Gtk.main()
sys.exit(0)
