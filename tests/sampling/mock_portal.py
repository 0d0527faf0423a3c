#!/usr/bin/python3
"""A stand-in desktop screenshot portal for the eyedropper tests.

Usage: mock_portal.py MODE FOLDER WIDTH HEIGHT, on the bus named by
DBUS_SESSION_BUS_ADDRESS. MODE says how a Screenshot request is answered:
  answer  reply, then send Response 0 with a PNG written into FOLDER
  early   send Response 0 before the call's own reply
  refuse  Response 1          end     Response 2
  silent  never send Response
  late    send Response 0 after 800 ms, even to a closed request
The PNG is WIDTH x HEIGHT in four blocks: #FFA510 top left, #000000 top
right, #1040C0 bottom left, #FFFFFF bottom right. Prints "ready" once the
portal's name is owned, "closed PATH" when a request is closed and
"answered" once a late answer is sent.
"""
import os
import struct
import sys
import zlib

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

REQUEST = "org.freedesktop.portal.Request"


def block_colour(x, y, width, height):
    if y < height // 2:
        return (0xFF, 0xA5, 0x10) if x < width // 2 else (0, 0, 0)
    return (0x10, 0x40, 0xC0) if x < width // 2 else (0xFF, 0xFF, 0xFF)


def write_png(path, width, height):
    rows = b"".join(
        b"\0" + b"".join(bytes(block_colour(x, y, width, height)) for x in range(width))
        for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


class Request(dbus.service.Object):
    @dbus.service.method(REQUEST, in_signature="", out_signature="")
    def Close(self):
        print("closed", self.__dbus_object_path__, flush=True)
        if not self.late:
            self.remove_from_connection()

    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, mode, folder, width, height):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.bus, self.mode, self.folder = bus, mode, folder
        self.width, self.height = width, height
        self.count = 0

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def Screenshot(self, parent_window, options, sender=None):
        token = str(options.get("handle_token", "t%d" % self.count))
        path = "/org/freedesktop/portal/desktop/request/%s/%s" % (
            sender[1:].replace(".", "_"), token)
        request = Request(self.bus, path)
        request.late = self.mode == "late"
        if self.mode == "early":
            self.answer(request)
        elif self.mode == "late":
            GLib.timeout_add(800, self.answer, request)
        elif self.mode != "silent":
            GLib.timeout_add(50, self.answer, request)
        return dbus.ObjectPath(path)

    def answer(self, request):
        if self.mode == "refuse":
            request.Response(dbus.UInt32(1), dbus.Dictionary({}, signature="sv"))
        elif self.mode == "end":
            request.Response(dbus.UInt32(2), dbus.Dictionary({}, signature="sv"))
        else:
            self.count += 1
            file = os.path.join(self.folder, "Screenshot-%d.png" % self.count)
            write_png(file, self.width, self.height)
            request.Response(dbus.UInt32(0), dbus.Dictionary(
                {"uri": dbus.String("file://" + file)}, signature="sv"))
            if request.late:
                print("answered", flush=True)
        request.remove_from_connection()
        return False


def main():
    mode, folder, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, mode, folder, width, height)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del portal, name


if __name__ == "__main__":
    main()
