#!/usr/bin/python3
# A GTK 3 window with a one-line field and a text view, typed into through
# the desktop's input method; the test drives it over standard input, one
# command a line, and reads one answer a line:
#   focus entry|view      -> "ok" once the field has the keyboard focus
#   text entry|view       -> "text HEX" (the field's text in UTF-8, hex)
#   preedit entry|view    -> "text HEX" (what the field shows of the input
#                            method's pre-edit, the same way)
#   clear                 -> "ok" (both fields emptied)
#   stall MS LENGTH       -> "ok"; once the focused field holds LENGTH
#                            characters, the program stops for MS ms, as a
#                            busy application does
#   quit
# It answers "ready XID" with its X window once it is shown.

import sys
import time

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GdkX11", "3.0")
from gi.repository import GLib, Gtk, GdkX11  # noqa: E402


class Client:
    def __init__(self):
        self.window = Gtk.Window(title="yavo-gtk-client")
        self.window.set_default_size(600, 300)
        box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL, spacing=4)
        self.entry = Gtk.Entry()
        self.view = Gtk.TextView()
        box.pack_start(self.entry, False, False, 0)
        box.pack_start(self.view, True, True, 0)
        self.window.add(box)
        self.window.connect("destroy", Gtk.main_quit)
        self.window.connect("map-event", self.on_mapped)
        self.stall = None
        self.preedits = {"entry": "", "view": ""}
        self.entry.connect("preedit-changed", self.on_preedit, "entry")
        self.view.connect("preedit-changed", self.on_preedit, "view")
        self.entry.connect("changed", self.on_changed)
        self.view.get_buffer().connect("changed", self.on_changed)
        self.window.show_all()
        GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.PRIORITY_DEFAULT,
                          GLib.IOCondition.IN | GLib.IOCondition.HUP, self.on_command)

    def field(self, name):
        return self.entry if name == "entry" else self.view

    def text(self, name):
        if name == "entry":
            return self.entry.get_text()
        buffer = self.view.get_buffer()
        return buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True)

    def answer(self, line):
        sys.stdout.write(line + "\n")
        sys.stdout.flush()

    def on_mapped(self, *args):
        self.answer("ready %d" % self.window.get_window().get_xid())
        return False

    def on_preedit(self, widget, preedit, name):
        self.preedits[name] = preedit

    def on_changed(self, *args):
        if self.stall is None:
            return
        msecs, length = self.stall
        focused = "entry" if self.entry.has_focus() else "view"
        if len(self.text(focused)) >= length:
            self.stall = None
            time.sleep(msecs / 1000.0)

    def on_command(self, channel, condition):
        line = sys.stdin.readline()
        if not line:
            Gtk.main_quit()
            return False
        words = line.split()
        if not words:
            return True
        command = words[0]
        if command == "focus":
            widget = self.field(words[1])
            widget.grab_focus()
            self.answer("ok")
        elif command == "text":
            self.answer("text " + self.text(words[1]).encode("utf-8").hex())
        elif command == "preedit":
            self.answer("text " + self.preedits[words[1]].encode("utf-8").hex())
        elif command == "clear":
            self.entry.set_text("")
            self.view.get_buffer().set_text("")
            self.answer("ok")
        elif command == "stall":
            self.stall = (int(words[1]), int(words[2]))
            self.answer("ok")
        elif command == "quit":
            Gtk.main_quit()
            return False
        else:
            self.answer("error unknown command " + command)
        return True


if __name__ == "__main__":
    Client()
    Gtk.main()
