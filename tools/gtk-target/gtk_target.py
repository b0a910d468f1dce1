#!/usr/bin/python3
"""gtk_target.py --title TEXT --geometry WxH+X+Y --log FILE [--buttons NAME,NAME,...]

A GTK 3 window standing for an application that tells the accessibility layer what its
elements are called: a row of push buttons with these labels (default "Aceptar", "Cancelar",
"Ayuda"), each 120 x 50, 20 pixels apart, 40 pixels from the left and the top of the
window's client area. A click on one appends "clicked LABEL" to the log at once; once the
window is shown, "ready" is logged with the buttons' places on the screen, one line each:
    button LABEL X Y W H
It ends when its window is closed or on SIGTERM.
"""
import argparse
import signal
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--title", required=True)
    parser.add_argument("--geometry", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--buttons", default="Aceptar,Cancelar,Ayuda")
    args = parser.parse_args()
    size, x, y = args.geometry.split("+")
    width, height = (int(v) for v in size.split("x"))
    log = open(args.log, "a", buffering=1)

    window = Gtk.Window(title=args.title)
    window.set_default_size(width, height)
    window.move(int(x), int(y))
    window.connect("destroy", Gtk.main_quit)
    fixed = Gtk.Fixed()
    window.add(fixed)
    buttons = []
    for i, label in enumerate(args.buttons.split(",")):
        button = Gtk.Button(label=label)
        button.set_size_request(120, 50)
        button.connect("clicked", lambda _b, name=label: log.write("clicked %s\n" % name))
        fixed.put(button, 40 + i * 140, 40)
        buttons.append((label, button))

    def shown():
        for label, button in buttons:
            origin = button.get_window().get_origin()
            alloc = button.get_allocation()
            log.write("button %s %d %d %d %d\n" % (label, origin.x + alloc.x, origin.y + alloc.y,
                                                  alloc.width, alloc.height))
        log.write("ready\n")
        return False

    window.connect("map-event", lambda *_: GLib.timeout_add(300, shown) and False)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, Gtk.main_quit)
    window.show_all()
    Gtk.main()
    return 0


if __name__ == "__main__":
    sys.exit(main())
