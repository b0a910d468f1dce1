#!/usr/bin/python3
# menu_target.py TITLE WxH+X+Y LOG: a GTK 3 window with a menu bar ("Archivo" with three
# items), for the end-to-end tests of presses made while another program holds the
# pointer: an open GTK menu grabs it. Appends to LOG, one line each:
#   menu shown / menu hidden    the "Archivo" menu opened or closed
#   item NAME                   a menu item was chosen
#   key KEYVAL                  a key reached the window (the key's name)
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("Gdk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

title, geometry, log_path = sys.argv[1:4]
size, _, place = geometry.partition("+")
width, height = (int(v) for v in size.split("x"))
x, y = (int(v) for v in place.split("+"))
log = open(log_path, "a", buffering=1)

window = Gtk.Window(title=title)
window.set_default_size(width, height)
window.move(x, y)
window.connect("destroy", Gtk.main_quit)
window.connect("key-press-event", lambda _w, e: log.write("key %s\n" % Gdk.keyval_name(e.keyval)) and False)

bar = Gtk.MenuBar()
archivo = Gtk.MenuItem(label="Archivo")
menu = Gtk.Menu()
for name in ("Nuevo", "Abrir", "Salir"):
    item = Gtk.MenuItem(label=name)
    item.connect("activate", lambda _i, n=name: log.write("item %s\n" % n))
    menu.append(item)
menu.connect("show", lambda _m: log.write("menu shown\n"))
menu.connect("hide", lambda _m: log.write("menu hidden\n"))
archivo.set_submenu(menu)
bar.append(archivo)
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL)
box.pack_start(bar, False, False, 0)
box.pack_start(Gtk.TextView(), True, True, 0)
window.add(box)
window.show_all()
Gtk.main()
