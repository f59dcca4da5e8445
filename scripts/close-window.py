#!/usr/bin/env python3
"""Asks the X11 windows named on the command line to close, as their close
boxes would: a WM_DELETE_WINDOW message each. Works with no window manager
running, for Qt's and Wine's windows alike.

    python3 scripts/close-window.py WINDOW_ID...
"""
import ctypes
import sys

CLIENT_MESSAGE = 33


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("close-window: cannot open the display")
    protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    for window in sys.argv[1:]:
        event = Event()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = int(window, 0)
        event.xclient.message_type = protocols
        event.xclient.format = 32
        event.xclient.data[0] = delete
        x11.XSendEvent(display, int(window, 0), 0, 0, ctypes.byref(event))
    x11.XFlush(display)


if __name__ == "__main__":
    main()
