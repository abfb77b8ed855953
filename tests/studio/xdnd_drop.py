"""Drops files on an X window as a file manager does, through libX11 with
ctypes: xdotool moves and clicks but cannot be the source of a drop.

The source speaks the XDND protocol (version 5): XdndEnter offering
text/uri-list, XdndPosition until the target answers XdndStatus, XdndDrop,
then the file:// list given when the target asks for the selection, until
XdndFinished."""
import ctypes
import ctypes.util
import time
import urllib.parse

CLIENT_MESSAGE, SELECTION_REQUEST, SELECTION_NOTIFY = 33, 30, 31
XA_ATOM = 4
PROP_MODE_REPLACE = 0
XDND_VERSION = 5


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class SelectionRequest(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("owner", ctypes.c_ulong), ("requestor", ctypes.c_ulong),
                ("selection", ctypes.c_ulong), ("target", ctypes.c_ulong), ("property", ctypes.c_ulong),
                ("time", ctypes.c_ulong)]


class SelectionNotify(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("requestor", ctypes.c_ulong), ("selection", ctypes.c_ulong),
                ("target", ctypes.c_ulong), ("property", ctypes.c_ulong), ("time", ctypes.c_ulong)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", ClientMessage), ("request", SelectionRequest),
                ("notify", SelectionNotify), ("pad", ctypes.c_long * 24)]


def _xlib():
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XCreateSimpleWindow.restype = ctypes.c_ulong
    x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 3 + \
        [ctypes.c_ulong] * 2
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                  ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
    x.XPending.argtypes = [ctypes.c_void_p]
    x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return x


def drop_files(target, paths, x, y, timeout=20):
    """Drops the files on X window `target` at root position (x, y); returns
    once the target said it has finished (AssertionError if it does not)."""
    x11 = _xlib()
    display = x11.XOpenDisplay(None)
    assert display, "cannot open the X display"
    try:
        source = x11.XCreateSimpleWindow(display, x11.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
        atom = lambda name: x11.XInternAtom(display, name.encode(), 0)
        uri_list = atom("text/uri-list")
        uris = "".join("file://%s\r\n" % urllib.parse.quote(p) for p in paths).encode()

        def send(message, *data):
            event = Event()
            event.client = ClientMessage(CLIENT_MESSAGE, 0, 1, display, target, atom(message), 32,
                                         (ctypes.c_long * 5)(*(list(data) + [0] * (5 - len(data)))))
            x11.XSendEvent(display, target, 0, 0, ctypes.byref(event))
            x11.XFlush(display)

        def answer(request):
            """The file list, as the selection's owner gives it to whoever asks."""
            x11.XChangeProperty(display, request.requestor, request.property, uri_list, 8, PROP_MODE_REPLACE,
                                uris, len(uris))
            event = Event()
            event.notify = SelectionNotify(SELECTION_NOTIFY, 0, 1, display, request.requestor, request.selection, request.target,
                                           request.property, request.time)
            x11.XSendEvent(display, request.requestor, 0, 0, ctypes.byref(event))
            x11.XFlush(display)

        def wait_for(message):
            deadline = time.monotonic() + timeout
            event = Event()
            while time.monotonic() < deadline:
                if not x11.XPending(display):
                    time.sleep(0.02)
                    continue
                x11.XNextEvent(display, ctypes.byref(event))
                if event.type == SELECTION_REQUEST:
                    answer(event.request)
                elif event.type == CLIENT_MESSAGE and event.client.message_type == atom(message):
                    return event.client
            raise AssertionError("the drop target sent no " + message)

        x11.XSetSelectionOwner(display, atom("XdndSelection"), source, 0)
        send("XdndEnter", source, XDND_VERSION << 24, uri_list)
        send("XdndPosition", source, 0, (x << 16) | y, 0, atom("XdndActionCopy"))
        status = wait_for("XdndStatus")
        assert status.l[1] & 1, "the drop target does not accept the files"
        send("XdndDrop", source, 0, 0)
        wait_for("XdndFinished")
        x11.XDestroyWindow(display, source)
    finally:
        x11.XCloseDisplay(display)
