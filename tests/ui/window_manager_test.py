#!/usr/bin/python3
"""The real main window under a window manager that frames its windows: the
windows carry exactly their own captions and sit, frame and all, where they
belong beside the main window; the main window has one size and its controls
one place per look; the About window shows its texts whole.

Usage: xvfb-run -a dbus-run-session -- window_manager_test.py SOURCE_DIR BUILD_DIR
"""

import os
import stat
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from window_driver import (Desktop, Program, edit_settings, expect,  # noqa: E402
                           require_tools, run_scenarios, wait_until)


def start_window_manager(d):
    d.start(["openbox", "--sm-disable"], env=d.env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
    root = d.display.screen().root
    check = d.display.intern_atom("_NET_SUPPORTING_WM_CHECK")
    wait_until("the window manager", lambda: root.get_full_property(check, 0) is not None)


def offset(d, main, window):
    mx, my, _, _ = d.frame(main)
    x, y, _, _ = d.frame(window)
    return x - mx, y - my


def close_with(d, title, key):
    d.focus(d.window(title))
    d.key(key)
    wait_until(title + " to close", lambda: not d.windows(title))


# ---- Captions and places: each window's frame corner this far from the
# main window's frame corner, on its first showing and on a later one.
def captions_and_places(d, file):
    edit_settings(file, {"Enabled": "1"}, section="TipoftheDay")
    edit_settings(file, {"Type": "39", "Data": "CODE39", "LabelExplain": "1"})
    exe = d.program
    # An opener that opens nothing, so no word processor is looked for.
    bin_dir = os.path.join(d.home, "bin")
    os.makedirs(bin_dir)
    with open(os.path.join(bin_dir, "xdg-open"), "w") as f:
        f.write("#!/bin/sh\nexit 0\n")
    os.chmod(os.path.join(bin_dir, "xdg-open"), stat.S_IRWXU)
    env = dict(d.env, PATH=bin_dir + ":" + os.environ["PATH"])
    process = d.start([exe], env=env)
    main = d.window("Zindra")
    tip = d.window("Tip of the Day")
    time.sleep(0.5)
    expect("Tip of the Day at", offset(d, main, tip), (80, 100))
    close_with(d, "Tip of the Day", "Escape")
    d.focus(main)
    about_button = d.find("push button", "About this program")
    for showing in ("first", "second"):
        d.click(about_button)
        about = d.window("About")
        time.sleep(0.3)
        expect("About at, %s showing" % showing, offset(d, main, about), (131, 109))
        close_with(d, "About", "Escape")
    d.focus(main)
    d.key("Return")  # Make
    d.click(d.find("push button", "Labels"))
    labels = d.window("Label Printing")
    time.sleep(0.3)
    expect("Label Printing at", offset(d, main, labels), (84, 25))
    d.click(d.find("push button", "Print Labels"))
    box = wait_until("the paste explanation", lambda: [w for w in d.windows("Zindra") if w != main])
    time.sleep(0.3)
    expect("message box at", offset(d, main, box[0]), (100, 100))
    d.focus(box[0])
    d.key("Return")
    d.focus(main)
    d.click(d.find("push button", "Copy"))
    d.window("Clip Board Warning")
    close_with(d, "Clip Board Warning", "Return")
    for title in ("Tip of the Day", "About", "Label Printing", "Clip Board Warning"):
        expect("no caption with a suffix", d.windows(title + " — Zindra"), [])
    process.terminate()
    process.wait(timeout=10)
    edit_settings(file, {"Enabled": "0"}, section="TipoftheDay")


# ---- One size, no maximise, and the Code 39 look in one place whatever
# came before it.
PATHS = [
    [("radio button", "EAN"), ("radio button", "Bookland")],
    [("radio button", "UPC"), ("radio button", "5 digit")],
    [("radio button", "128"), ("radio button", "SSCC18")],
    [("radio button", "2/5"), ("radio button", "IFT-14")],
    [("radio button", "PostNet")],
    [("radio button", "93")],
]


def layout(d):
    return sorted((role, name, d.extents(node)) for role, name, node in d.nodes()
                  if role not in ("list", "list item", "filler", "application"))


def fixed_places(d, file):
    edit_settings(file, {"Type": "39", "FontType": "S", "FontSize": "D", "Supplemental": "A"})
    p = Program(d)
    window = d.display.create_resource_object("window", p.main)
    hints = window.get_wm_normal_hints()
    expect("fixed width", hints.min_width, hints.max_width)
    expect("fixed height", hints.min_height, hints.max_height)
    allowed = window.get_full_property(d.display.intern_atom("_NET_WM_ALLOWED_ACTIONS"), 0)
    names = {d.display.get_atom_name(a) for a in allowed.value} if allowed else set()
    expect("maximise offered", bool(names & {"_NET_WM_ACTION_MAXIMIZE_HORZ",
                                             "_NET_WM_ACTION_MAXIMIZE_VERT"}), False)
    baseline = layout(d)
    size = d.frame(p.main)[2:]
    for path in PATHS:
        for role, name in path:
            d.click(d.find(role, name))
        d.click(d.find("radio button", "3/9"))
        time.sleep(0.2)
        expect("Code 39 look after %s" % path[0][1], layout(d), baseline)
        expect("window size after %s" % path[0][1], d.frame(p.main)[2:], size)
    p.close()


# ---- The About window shows its web address and notice whole: nothing of
# their text touches the ends of their lines.
def about_texts(d, file):
    p = Program(d)
    d.click(d.find("push button", "About this program"))
    about = d.window("About")
    time.sleep(0.3)
    for name in ("www.*", "Copyright*"):
        label = d.find("label", name, window="About")
        x, y, w, h = d.extents(label)
        rows = d.pixels(x, y, w, h)
        inked = [c for c in range(w) if any(max(row[c]) < 128 for row in rows)]
        expect("%s has text" % name, bool(inked), True)
        expect("%s whole (ink from %s to %s of %d)" % (name, inked[:1], inked[-1:], w),
               bool(inked) and inked[0] > 0 and inked[-1] < w - 1, True)
    close_with(d, "About", "Escape")
    del about
    p.close()


def main(source, build):
    require_tools(["openbox"])
    run_scenarios(Desktop(source, build), (captions_and_places, fixed_places, about_texts),
                  "window manager", prepare=start_window_manager)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
