#!/usr/bin/python3
"""A stand-in for the desktop portal's colour pick, on the session bus of
DBUS_SESSION_BUS_ADDRESS, for tests that must not depend on a desktop.

It owns org.freedesktop.portal.Desktop and answers
org.freedesktop.portal.Screenshot.PickColor the way xdg-desktop-portal does:
the method returns a request handle and the answer comes later as the
Response signal of that request object. By default the answer is sent before
the method's reply, the tightest race a client meets: a client that
subscribes to the response only after the reply never sees it.

Each call is written as one JSON line to the --record file: the caller, the
parent window and the options; a Close of the request adds a line too.
"ready" on standard output says the name is owned.

Usage: stand_in_portal.py [--answer KIND] [--colour R,G,B] [--delay SECONDS]
                          [--version N] [--other-handle] [--record FILE]
"""

import argparse
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

BUS_NAME = "org.freedesktop.portal.Desktop"
DESKTOP_PATH = "/org/freedesktop/portal/desktop"
SCREENSHOT = "org.freedesktop.portal.Screenshot"
REQUEST = "org.freedesktop.portal.Request"
PROPERTIES = "org.freedesktop.DBus.Properties"


def colour_value(kind, colour):
    """What the results' "color" entry holds, or None for no entry."""
    if kind == "no-colour":
        return None
    if kind == "wrong-type":
        return dbus.Struct([dbus.Int32(int(c * 255)) for c in colour], signature="iii")
    if kind == "out-of-range":
        colour = (colour[0], 1.5, colour[2])
    return dbus.Struct([dbus.Double(c) for c in colour], signature="ddd")


# KIND: what the response says (code, and whether it carries a colour).
ANSWERS = {
    "colour": 0,
    "cancel": 1,
    "failure": 2,
    "no-colour": 0,
    "wrong-type": 0,
    "out-of-range": 0,
    "bad-signature": 0,  # the Response signal carries the code alone
    "error": None,  # PickColor itself returns a D-Bus error
}


class Request(dbus.service.Object):
    def __init__(self, portal, path):
        super().__init__(portal.bus, path)
        self.portal = portal
        self.path = path
        self.timer = None

    @dbus.service.method(REQUEST, in_signature="", out_signature="")
    def Close(self):
        self.portal.record({"close": self.path})
        if self.timer is not None:
            GLib.source_remove(self.timer)
            self.timer = None
        self.remove_from_connection()

    def respond(self):
        self.timer = None
        args = self.portal.args
        message = dbus.lowlevel.SignalMessage(self.path, REQUEST, "Response")
        if args.answer == "bad-signature":
            message.append(dbus.UInt32(0))
        else:
            results = {}
            value = colour_value(args.answer, args.colour) if ANSWERS[args.answer] == 0 else None
            if value is not None:
                results["color"] = value
            message.append(dbus.UInt32(ANSWERS[args.answer]), dbus.Dictionary(results, signature="sv"))
        self.portal.bus.send_message(message)
        self.remove_from_connection()
        return False


class Portal(dbus.service.Object):
    def __init__(self, bus, args):
        super().__init__(bus, DESKTOP_PATH)
        self.bus = bus
        self.args = args
        self.calls = 0

    def record(self, entry):
        if self.args.record:
            with open(self.args.record, "a") as f:
                f.write(json.dumps(entry) + "\n")

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SCREENSHOT and name == "version":
            return dbus.UInt32(self.args.version)
        raise dbus.exceptions.DBusException(
            "no property %s.%s" % (interface, name),
            name="org.freedesktop.DBus.Error.UnknownProperty")

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        if interface == SCREENSHOT:
            return {"version": dbus.UInt32(self.args.version)}
        return dbus.Dictionary({}, signature="sv")

    @dbus.service.method(SCREENSHOT, in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender", async_callbacks=("reply", "error"))
    def PickColor(self, parent_window, options, sender, reply, error):
        self.calls += 1
        self.record({
            "sender": str(sender),
            "parent_window": str(parent_window),
            "options": {str(k): str(v) for k, v in options.items()},
        })
        if self.args.answer == "error":
            error(dbus.exceptions.DBusException(
                "the stand-in fails as asked", name="org.freedesktop.portal.Error.Failed"))
            return
        # The path a real portal derives from the caller and its handle_token.
        token = str(options.get("handle_token", "stand_in%d" % self.calls))
        if self.args.other_handle:
            token = "ignored_token%d" % self.calls
        path = "%s/request/%s/%s" % (DESKTOP_PATH, sender[1:].replace(".", "_"), token)
        request = Request(self, path)
        if self.args.delay > 0 or self.args.other_handle:
            # A client can only follow a handle it has received.
            delay_ms = max(int(self.args.delay * 1000), 200)
            request.timer = GLib.timeout_add(delay_ms, request.respond)
            reply(dbus.ObjectPath(path))
        else:
            request.respond()
            reply(dbus.ObjectPath(path))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--answer", choices=sorted(ANSWERS), default="colour")
    parser.add_argument("--colour", default="0.2,0.4,0.6",
                        type=lambda s: tuple(float(c) for c in s.split(",")))
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--version", type=int, default=2)
    parser.add_argument("--other-handle", action="store_true")
    parser.add_argument("--record")
    args = parser.parse_args()

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, args)
    if bus.request_name(BUS_NAME, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
            dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        sys.exit("stand_in_portal: %s is taken" % BUS_NAME)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del portal


if __name__ == "__main__":
    main()
