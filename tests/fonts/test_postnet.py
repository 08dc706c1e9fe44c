#!/usr/bin/python3
"""PostNet, which neither decoder reads: a bar-height reader recovers the digits from the
printed sample and checks the check digit, and the bar sequence must equal the one the
peer encoder zint draws for the same digits."""
import os
import subprocess
import unittest

import harness
import pngread

INK = 128
WEIGHTS = (7, 4, 2, 1, 0)  # a digit is the sum of the weights of its two full bars; 11 is 0

# Data, and data with the check digit worked out by hand (sum of the digits, complement to 10).
ROWS = (
    ("12345", "123455"),
    ("123456789", "1234567895"),
    ("12345678901", "123456789014"),
    ("00000", "000000"),
    ("98765", "987655"),
)


def bars(rows):
    """[(bottom, height)] of each bar from left to right, in pixels."""
    width = len(rows[0])
    inked = [[y for y in range(len(rows)) if rows[y][x] < INK] for x in range(width)]
    found, x = [], 0
    while x < width:
        if not inked[x]:
            x += 1
            continue
        top, bottom = min(inked[x]), max(inked[x])
        while x < width and inked[x]:
            top, bottom = min(top, min(inked[x])), max(bottom, max(inked[x]))
            x += 1
        found.append((bottom, bottom - top + 1))
    return found


def full_bars(found):
    """True for each full-height bar, False for each half-height one."""
    heights = [h for _, h in found]
    middle = (min(heights) + max(heights)) / 2
    return [h > middle for h in heights]


def digits(tall):
    """The digits between the frame bars."""
    if not (tall[0] and tall[-1]) or (len(tall) - 2) % 5:
        raise AssertionError(f"not framed in groups of five: {tall}")
    out = ""
    for i in range(1, len(tall) - 1, 5):
        group = tall[i:i + 5]
        if sum(group) != 2:
            raise AssertionError(f"group without exactly two full bars: {group}")
        value = sum(w for w, t in zip(WEIGHTS, group) if t)
        out += str(0 if value == 11 else value)
    return out


def zint_full_bars(data):
    """zint's --dump: first row marks the full bars' upper halves, bars on every other module."""
    dump = subprocess.run(["zint", "-b", "40", "-d", data, "--dump"], capture_output=True,
                          text=True, check=True).stdout.split("\n")
    top, bottom = (bin(int(row.replace(" ", ""), 16))[2:].zfill(4 * len(row.replace(" ", "")))
                   for row in dump[:2])
    return [top[i] == "1" for i in range(len(bottom)) if bottom[i] == "1"]


class PostNetTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = harness.scratch_dir(cls)

    def test_rows(self):
        for data, with_check in ROWS:
            with self.subTest(data):
                png = os.path.join(self.folder, f"{data}.png")
                harness.encode_png(("-s", "postnet"), data, png)
                found = bars(pngread.read_grey(png))
                self.assertLessEqual(max(b for b, _ in found) - min(b for b, _ in found), 1,
                                     "bars stand on one line")
                tall = full_bars(found)
                read = digits(tall)
                self.assertEqual(with_check, read)
                self.assertEqual(0, sum(int(d) for d in read) % 10)
                self.assertEqual(zint_full_bars(data), tall)


if __name__ == "__main__":
    unittest.main()
