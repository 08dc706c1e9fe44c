"""Top-level X windows of the program under test, found and closed as a user's
window manager would: shared by the scripts that drive the real program
through python-xlib.
"""

import sys
import time

from Xlib import X, protocol

TIMEOUT = 30


def fail(message):
    sys.exit("FAIL: " + message)


def titles(disp):
    """Every mapped top-level window with its title."""
    found = []
    net_name = disp.intern_atom("_NET_WM_NAME")
    utf8 = disp.intern_atom("UTF8_STRING")
    for window in disp.screen().root.query_tree().children:
        try:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            name = window.get_full_property(net_name, utf8)
            title = name.value.decode("utf-8") if name else window.get_wm_name() or ""
        except Exception:  # a window that went away while we looked
            continue
        found.append((window, title))
    return found


def wait_for(disp, prefix):
    end = time.time() + TIMEOUT
    while time.time() < end:
        for window, title in titles(disp):
            if title.startswith(prefix):
                return window
        time.sleep(0.2)
    fail("no window titled %r; have %r" % (prefix, [t for _, t in titles(disp)]))


def close(disp, window):
    """What a window manager sends when the user closes a window."""
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    disp.flush()
