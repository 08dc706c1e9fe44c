#!/usr/bin/python3
"""The real program on a fresh documents folder, twice: run the installer,
start zindra, close its tip and type data the way a user does, close it; then
change choices in the settings file by hand, start it again and close it. The
choices must come back each time: what the second start restored is what its
closing writes.

Usage (on an X display, e.g. under xvfb-run -a):
    window_restart_test.py SOURCE_DIR BUILD_DIR
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir))
from x11_windows import TIMEOUT, close, fail, titles, wait_for  # noqa: E402


def wait_gone(disp, window):
    end = time.time() + TIMEOUT
    while time.time() < end:
        if all(w.id != window.id for w, _ in titles(disp)):
            return
        time.sleep(0.2)
    fail("window %x did not close" % window.id)


def focus(disp, window):
    window.set_input_focus(X.RevertToParent, X.CurrentTime)
    disp.sync()
    time.sleep(0.5)


def type_text(disp, window, text):
    focus(disp, window)
    for ch in text:
        code = disp.keysym_to_keycode(XK.string_to_keysym(ch))
        shifted = ch.isupper()
        shift = disp.keysym_to_keycode(XK.string_to_keysym("Shift_L"))
        if shifted:
            xtest.fake_input(disp, X.KeyPress, shift)
        xtest.fake_input(disp, X.KeyPress, code)
        xtest.fake_input(disp, X.KeyRelease, code)
        if shifted:
            xtest.fake_input(disp, X.KeyRelease, shift)
        disp.sync()
        time.sleep(0.05)


def settings(path):
    """Section Settings of the file as a dict (keys as written by the program)."""
    values, section = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line.strip("[]")
            elif "=" in line and section == "Settings":
                key, value = line.split("=", 1)
                values.setdefault(key, value)
    return values


def run_once(build, env, disp, typed=None):
    program = subprocess.Popen([os.path.join(build, "app", "zindra")], env=env)
    try:
        main = wait_for(disp, "Zindra")
        focus(disp, main)  # what a window manager does for a new window
        tip = wait_for(disp, "Tip of the Day")
        close(disp, tip)
        wait_gone(disp, tip)
        if typed:
            type_text(disp, main, typed)
        close(disp, main)
        program.wait(timeout=TIMEOUT)
    finally:
        if program.poll() is None:
            program.kill()
            fail("zindra did not end when its window was closed")
    if program.returncode != 0:
        fail("zindra ended with %d" % program.returncode)


def edit_settings(path, changes):
    lines = open(path, encoding="utf-8").read().splitlines()
    out, section = [], None
    for line in lines:
        if line.startswith("["):
            section = line.strip("[]")
        key = line.split("=", 1)[0]
        if section == "Settings" and key in changes:
            line = key + "=" + changes[key]
        out.append(line)
    open(path, "w", encoding="utf-8").write("\n".join(out) + "\n")


def main(source, build):
    home = tempfile.mkdtemp(prefix="zindra-window-")
    try:
        check(source, build, home)
    finally:
        shutil.rmtree(home, ignore_errors=True)


def check(source, build, home):
    runtime = os.path.join(home, "runtime")
    os.mkdir(runtime, 0o700)
    suppressions = os.path.join(source, "tests", "desktop-libraries.supp")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
               LSAN_OPTIONS="suppressions=" + suppressions)
    subprocess.run([os.path.join(source, "scripts", "install-product"), build],
                   env=env, check=True, stdout=subprocess.DEVNULL)
    file = os.path.join(home, "Documents", "Zindra", "zindratips.ini")
    disp = display.Display()

    # First run: the tip shows, the typed data replaces the selected empty
    # field, and closing writes the window over the seeded section.
    run_once(build, env, disp, typed="CODE39")
    first = settings(file)
    expected = {"Type": "39", "FontType": "S", "FontSize": "D", "Supplemental": "A",
                "PointSize": "24", "Data": "CODE39", "OptionalChecksum": "0",
                "LabelSize": "4", "LabelExplain": "1", "LabelSheet": "5161"}
    for key, value in expected.items():
        if first.get(key) != value:
            fail("first run saved %s=%r, expected %r" % (key, first.get(key), value))

    # Second run: choices edited by hand are restored into the window and
    # saved again from it.
    edit_settings(file, {"Type": "Codabar", "FontType": "H", "FontSize": "B",
                         "Data": "A40156B", "LabelSize": "0x3", "LabelExplain": "0",
                         "LabelSheet": "a4-70x37", "Left": "40", "Top": "0x3C"})
    run_once(build, env, disp)
    second = settings(file)
    expected.update({"Type": "Codabar", "FontType": "H", "FontSize": "B", "Data": "A40156B",
                     "LabelSize": "3", "LabelExplain": "0", "LabelSheet": "a4-70x37",
                     "Left": "40", "Top": "60"})
    for key, value in expected.items():
        if second.get(key) != value:
            fail("second run saved %s=%r, expected %r" % (key, second.get(key), value))
    with open(file, encoding="utf-8") as f:
        if "Position=2" not in f.read():
            fail("each start should have shown the next tip")
    print("window restart: choices came back")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
