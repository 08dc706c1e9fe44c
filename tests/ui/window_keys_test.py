#!/usr/bin/python3
"""The real main window under real X keys and clicks, without a window manager:
what the user types reaches the model unchanged, the keyboard reaches every
control, the sample is paper, messages are plain text, a lost position comes
back on screen and a failed open is reported.

Usage: xvfb-run -a dbus-run-session -- window_keys_test.py SOURCE_DIR BUILD_DIR
"""

import os
import stat
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from window_driver import (Desktop, Program, edit_settings, expect, read_settings,  # noqa: E402
                           require_tools, run_scenarios, wait_until)


def clear_and_type(d, field, text):
    d.click(field)
    d.key("ctrl+a")
    d.type(text)


# ---- Special characters: the model sees exactly what was typed (subset A).
# Each row: typed text, the data after Insert, the message in the sample.
NOT_IN_A = "Error, not a legal character in subset A"
SPECIAL_ROWS = [
    ("fnc1", "AB", NOT_IN_A),   # no re-casing to FNC1 (which would append 205)
    ("Ctrl-x", "AB", ""),       # a lower-case sixth letter appends nothing
    ("Ctrl-", "AB", ""),        # not completed to Ctrl-A (which appends "a")
    ("tab", "AB", NOT_IN_A),
    ("codeb", "AB", NOT_IN_A),
    ("Tab", "ABi", ""),         # the exact item still works
]


def special_characters(d, file):
    edit_settings(file, {"Type": "128", "Supplemental": "A"})
    p = Program(d)
    combo = d.combo(1)
    insert = d.find("push button", "Insert")
    sample = d.find("text", "Sample bar code:")
    for typed, data, message in SPECIAL_ROWS:
        clear_and_type(d, p.data, "AB")
        clear_and_type(d, combo, typed)
        d.key("Tab")  # editing finishes: no pick may happen
        expect("box after typing %r" % typed, lambda: d.text(combo), typed)
        d.click(insert)
        expect("data after inserting %r" % typed, lambda: d.text(p.data), data)
        expect("sample after inserting %r" % typed, lambda: d.text(sample), message)
    # A pick from the list is a pick: Down from "Tab" is "Line Feed" (j).
    clear_and_type(d, p.data, "AB")
    clear_and_type(d, combo, "Tab")
    d.key("Down")
    d.click(insert)
    expect("box after Down", lambda: d.text(combo), "Line Feed")
    expect("data after picking Line Feed", lambda: d.text(p.data), "ABj")
    p.close()


# ---- Auto and GS1-128, clicked, typed and made as a user does: the window
# makes what zindra-encode makes, and the choice is saved by its name.
GS1_DATA = "(01)09501101530003(17)270704(10)AB-123"


def encoded(d, variant, data):
    return subprocess.run([os.path.join(d.build, "cli", "zindra-encode"), "-s", "code128",
                           "-v", variant, data], check=True, capture_output=True,
                          text=True).stdout.rstrip("\n")


def code128_variants(d, file):
    edit_settings(file, {"Type": "128", "Supplemental": "B", "FontType": "S"})
    p = Program(d)
    output = d.find("text", "This is the string*")
    insert = d.find("push button", "Insert")
    d.click(d.find_in(" Subset ", "radio button", "GS1-128"))
    data = d.find("text", "Enter the element strings, each AI in parentheses:")
    expect("no Insert for GS1-128", lambda: [n for r, n, _ in d.nodes() if n == "Insert"], [])
    clear_and_type(d, data, GS1_DATA)
    d.key("Return")
    expect("GS1-128 made", lambda: d.text(output), encoded(d, "gs1", GS1_DATA))

    d.click(d.find_in(" Subset ", "radio button", "Auto"))
    data = d.find("text", "Enter the data to be converted into a bar code:")
    clear_and_type(d, data, "ab12")
    clear_and_type(d, d.combo(1), "FNC1")
    d.key("Tab")
    d.click(insert)
    expect("FNC1 inserted in Auto", lambda: d.text(data), "ab12\u00cd")
    d.key("Return")
    expect("Auto made", lambda: d.text(output), encoded(d, "auto", "ab12\u00cd"))
    p.close()
    expect("Auto saved", lambda: read_settings(file).get("Supplemental"), "Auto")


# ---- Point size: typed sizes stay as typed, digits stay in the box, and an
# unreadable size is reported once, on leaving. Sums are shown, so an
# accepted size empties the results (a stray "20" would do so too).
# Each row: typed, box afterwards, results still shown after Tab.
POINT_ROWS = [
    ("2", "2", True),        # not completed to "20"
    ("200", "200", False),   # the focus stays: "00" is not typed into the data
    ("1638", "1638", False),
]


def point_size(d, file):
    edit_settings(file, {"Type": "93", "DispSums": "1", "Data": "CODE93"})
    p = Program(d)
    size = d.combo(0)
    output = d.find("text", "This is the string*")
    make = d.find("push button", "Make")
    for typed, shown, kept in POINT_ROWS:
        d.click(make)
        made = d.text(output)
        clear_and_type(d, size, typed)
        expect("point size box after %r" % typed, lambda: d.text(size), shown)
        expect("data after typing size %r" % typed, lambda: d.text(p.data), "CODE93")
        expect("focus after typing size %r" % typed, lambda: d.focused(), ("combo box", typed))
        d.key("Tab")
        expect("results after size %r" % typed, lambda: d.text(output) == made, kept)
    # "abc" typed fast: no message while typing, no key lost, one on leaving.
    clear_and_type(d, size, "abc")
    expect("messages while typing abc", d.windows("Zindra")[1:], [])
    expect("box after typing abc", lambda: d.text(size), "abc")
    d.key("Tab")
    box = wait_until("the point-size message", lambda: d.windows("Zindra")[1:])
    message = d.find("label", "'abc' is not a valid point size*", window="Zindra")
    expect("message boxes on leaving", len(box), 1)
    expect("message", message.get_name(),
           "'abc' is not a valid point size: type a whole number from 1 to 1638")
    d.focus(box[0])
    d.key("Return")
    wait_until("the message to close", lambda: not d.windows("Zindra")[1:])
    clear_and_type(d, size, "24")
    d.key("Tab")
    p.close()


# ---- Keyboard: Tab in reading order, radio groups on their checked button,
# Enter runs Make; Insert leaves no made bar code behind; a hidden ITF-14
# gives way to Standard; the data stays selected when the focus leaves.
TAB_ORDER = [("push button", "Make"), ("push button", "Copy"), ("push button", "Labels"),
             ("push button", "Samples"), ("radio button", "3/9"),
             ("push button", "About this program"), ("push button", "Tips"),
             ("push button", "Help"), ("radio button", "D"), ("radio button", "Human readable"),
             ("combo box", "24"), ("check box", "Add checksum"),
             ("check box", "Full ASCII?"), ("check box", "Tip of the day?")]


def keyboard(d, file):
    edit_settings(file, {"Type": "39", "FontType": "H", "FontSize": "D", "Data": "CODE39"})
    p = Program(d)
    output = d.find("text", "This is the string*")
    expect("data selected at start", lambda: d.selection(p.data), [(0, 6)])
    d.key("Return")
    expect("Enter in the data", lambda: d.text(output), "*CODE39*")
    # Selection kept when the focus leaves the data field.
    d.key("ctrl+a")
    seen = []
    for _ in TAB_ORDER:
        before = d.focused()
        d.key("Tab")
        seen.append(wait_until("the focus to move", lambda: d.focused() != before and d.focused()))
        expect("data selection with the focus on %r" % (seen[-1],), lambda: d.selection(p.data),
               [(0, 6)])
    expect("Tab order", seen, TAB_ORDER)
    d.key("Tab")
    expect("Tab back to the data", lambda: (d.focused() or ("",))[0], "text")

    # Insert empties the results and the made bar code with them.
    d.click(d.find("radio button", "128"))
    d.click(d.find_in(" Subset ", "radio button", "B"))
    d.click(p.data)
    d.key("ctrl+a")
    d.type("AB")
    d.key("Return")
    d.click(d.find("push button", "Insert"))
    d.click(d.find("push button", "Copy"))
    expect("Copy after Insert", lambda: d.text(output),
           'Must click "Make" before copying to clip board')

    # 2/5 with ITF-14, then 3/9: Standard is selected.
    d.click(d.find("radio button", "2/5"))
    d.click(d.find("radio button", "IFT-14"))
    d.click(d.find("radio button", "3/9"))
    standard = d.find("radio button", "Standard")
    expect("Standard after a hidden ITF-14", lambda: d.checked(standard), True)
    p.close()


# ---- Start-up: after the Tip of the Day the data is selected and focused.
def after_the_tip(d, file):
    edit_settings(file, {"Data": "CODE39"})
    edit_settings(file, {"Enabled": "1"}, section="TipoftheDay")
    p = Program(d, tips=True)
    d.type("X")
    expect("data typed after the tip", lambda: d.text(p.data), "X")
    p.close()
    edit_settings(file, {"Enabled": "0"}, section="TipoftheDay")


# ---- A dark desktop theme leaves the sample black on white.
DARK_KDEGLOBALS = """[Colors:Window]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=27,30,32
ForegroundNormal=252,252,252
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[General]
ColorScheme=BreezeDark
"""


def paper_sample(d, file):
    config = os.path.join(d.home, ".config")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "kdeglobals"), "w") as f:
        f.write(DARK_KDEGLOBALS)
    env = dict(d.env, XDG_CURRENT_DESKTOP="KDE", KDE_SESSION_VERSION="5",
               KDE_FULL_SESSION="true")
    edit_settings(file, {"Type": "39", "Data": "CODE39", "PointSize": "48"})
    p = Program(d, env=env)
    d.key("Return")
    x, y, w, h = d.extents(d.find("text", "Sample bar code:"))
    sample = d.pixels(x + 4, y + 4, w - 8, h - 8)
    colours = {pixel for row in sample for pixel in row}
    # The output field beside it shows the theme really is dark.
    ox, oy, ow, oh = d.extents(d.find("text", "This is the string*"))
    field = d.pixels(ox + ow - 10, oy + oh // 2, 1, 1)[0][0]
    expect("the output field's dark theme", max(field) < 100, True)
    expect("sample background", sample[0][0], (255, 255, 255))
    expect("sample has black bars", any(max(c) < 60 for c in colours), True)
    p.close()
    os.remove(os.path.join(config, "kdeglobals"))


# ---- Messages show paths as plain text.
def plain_messages(d, file):
    docs = os.path.join(d.home, "<i>Docs</i>")
    os.makedirs(docs)
    dirs = os.path.join(d.home, ".config", "user-dirs.dirs")
    os.makedirs(os.path.dirname(dirs), exist_ok=True)
    with open(dirs, "w") as f:
        f.write('XDG_DOCUMENTS_DIR="%s"\n' % docs)
    exe = d.program
    process = d.start([exe], env=d.env)
    main = d.window("Zindra")
    d.focus(main)
    wait_until("the folder message", lambda: d.windows("Zindra")[1:])
    label = d.find("label", "The folder*")
    expect("folder message", label.get_name(),
           "The folder %s/Zindra/ is missing, please re-install this product." % docs)
    d.focus(d.windows("Zindra")[1])
    d.key("Return")
    process.terminate()
    process.wait(timeout=10)
    os.remove(dirs)


# ---- A position saved on a monitor that is gone comes back on screen.
def clamped_position(d, file):
    edit_settings(file, {"Left": "5000", "Top": "-3000"})
    p = Program(d)
    x, y, w, h = d.frame(p.main)
    screen = d.display.screen()
    expect("restored left", x, screen.width_in_pixels - w)
    expect("restored top", y, 0)
    p.close()
    saved = read_settings(file)
    expect("saved position", (saved["Left"], saved["Top"]),
           (str(screen.width_in_pixels - w), "0"))


# ---- Opening the help fails: the user is told what and why.
OPENER_ROWS = [
    # a desktop with no application for it: the opener exits 3
    ("#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n",
     "because no application is set up to open it."),
    # no opener at all
    (None, "because the desktop's opener (xdg-open) could not be started."),
]


def failed_opens(d, file):
    for script, why in OPENER_ROWS:
        bin_dir = os.path.join(d.home, "bin-%d" % OPENER_ROWS.index((script, why)))
        os.makedirs(bin_dir)
        if script:
            opener = os.path.join(bin_dir, "xdg-open")
            with open(opener, "w") as f:
                f.write(script)
            os.chmod(opener, stat.S_IRWXU)
        p = Program(d, env=dict(d.env, PATH=bin_dir))
        d.click(d.find("push button", "Help"))
        wait_until("the open failure message", lambda: d.windows("Zindra")[1:])
        label = d.find("label", "Could not open*")
        lines = label.get_name().split("\n")
        expect("what could not be opened", lines[0], "Could not open")
        expect("the help's path", lines[1].endswith("index.html"), True)
        expect("why", lines[2], why)
        d.focus(d.windows("Zindra")[1])
        d.key("Return")
        p.close()


def main(source, build):
    require_tools()
    run_scenarios(Desktop(source, build),
                  (special_characters, code128_variants, point_size, keyboard, after_the_tip, paper_sample,
                   clamped_position, failed_opens, plain_messages),
                  "window keys")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
