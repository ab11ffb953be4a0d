"""Xvfb on a free display, and the few X requests that xdotool lacks: a window manager's close request,
a window's parent chain, and the moment a window is mapped."""
import ctypes
import os
import subprocess
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class XDisplay:

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        pass

    Event._fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    def __init__(self):
        read, write = os.pipe()
        self.proc = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                                      "-nolisten", "tcp"], pass_fds=[write],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            self.name = ":" + f.readline().strip()
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 4
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x11.XPending.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x11 = x11
        self.display = x11.XOpenDisplay(self.name.encode())
        if not self.display:
            raise SystemExit("cannot open the X display " + self.name)

    def close_window(self, window):
        """What a window manager's close button sends: WM_DELETE_WINDOW."""
        event = XDisplay.Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = self.x11.XInternAtom(self.display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = self.x11.XInternAtom(self.display, b"WM_DELETE_WINDOW", 0)
        self.x11.XSendEvent(self.display, window, 0, 0, ctypes.byref(event))
        self.x11.XFlush(self.display)

    def ancestors(self, window):
        chain = []
        while True:
            root, parent = ctypes.c_ulong(), ctypes.c_ulong()
            children, count = ctypes.c_void_p(), ctypes.c_uint()
            if not self.x11.XQueryTree(self.display, window, ctypes.byref(root), ctypes.byref(parent),
                                       ctypes.byref(children), ctypes.byref(count)):
                return chain
            if children:
                self.x11.XFree(children)
            if parent.value in (0, root.value):
                return chain
            chain.append(parent.value)
            window = parent.value

    def watch_maps(self):
        """From now on, every top-level window that is mapped is noted; see next_map()."""
        self.x11.XSelectInput(self.display, self.x11.XDefaultRootWindow(self.display), SUBSTRUCTURE_NOTIFY_MASK)
        self.x11.XFlush(self.display)
        self._drain()

    def _drain(self):
        event = XDisplay.Event()
        while self.x11.XPending(self.display):
            self.x11.XNextEvent(self.display, ctypes.byref(event))

    def next_map(self, timeout=30.0):
        """The monotonic time at which the next top-level window was mapped."""
        event = XDisplay.Event()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            while self.x11.XPending(self.display):
                self.x11.XNextEvent(self.display, ctypes.byref(event))
                if event.xclient.type == MAP_NOTIFY:
                    return time.monotonic()
            time.sleep(0.0005)
        raise SystemExit("no window was mapped")

    def stop(self):
        self.proc.terminate()
        self.proc.wait()
