#!/usr/bin/python3
"""Scan suite: every row of scan_table is encoded, printed to a PNG in its sample face
by zindra-encode, and must be read back by zbarimg and by ZXingReader."""
import os
import sys
import unittest

import harness
from scan_table import ROWS, UNPRINTED_BY_QT

ZBAR_CODE128 = "CODE-128"


class ScanTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = harness.scratch_dir(cls)
        cls.decoded = {"zbarimg": 0, "ZXingReader": 0}
        cls.not_read = {"zbarimg": 0, "ZXingReader": 0}

    @classmethod
    def tearDownClass(cls):
        for decoder, count in cls.decoded.items():
            print(f"\n{decoder}: {count} of {count + cls.not_read[decoder]} symbols read as expected",
                  file=sys.stderr, end="")
        print(file=sys.stderr)

    def test_rows(self):
        for number, row in enumerate(ROWS):
            with self.subTest(row.name):
                png = os.path.join(self.folder, f"{number:02d}.png")
                font_string = harness.encode_png(row.args, row.data, png, row.point_size, row.dpi)
                complaints = [self._check(self._zbar_matches, "zbarimg", row.zbar, row, png),
                              self._check(self._zxing_matches, "ZXingReader", row.zxing, row, png)]
                complaints = [c for c in complaints if c]
                if complaints:
                    self.fail(f"{row.name} ({font_string.strip()!r}): " + "; ".join(complaints))

    # The A/B faces draw the values 53 and 70 at the characters 156 and 173 as they do
    # at "U" and "f", but Qt's text engine stops drawing at U+009C and hides the soft
    # hyphen U+00AD, so data holding either cannot print in the sample. A known limit
    # outside the faces; these tests report when it goes away.
    @unittest.expectedFailure
    def test_character_156_prints(self):
        self._assert_prints_between_a_and_b(UNPRINTED_BY_QT[0], b"AUB")

    @unittest.expectedFailure
    def test_soft_hyphen_prints(self):
        self._assert_prints_between_a_and_b(UNPRINTED_BY_QT[1], b"AfB")

    def _assert_prints_between_a_and_b(self, char, reads):
        png = os.path.join(self.folder, f"{ord(char)}.png")
        harness.encode_png(("-s", "code128", "-v", "2"), "A" + char + "B", png)
        self.assertEqual([("Code128", reads, "]C0")], harness.zxing(png))

    def _check(self, matches, decoder, expected, row, png):
        """Counts and returns the decoder's complaint; None when it read as expected."""
        if expected is None:
            return None
        verdict = matches(row, png)
        if verdict is None:
            self.decoded[decoder] += 1
            return None
        self.not_read[decoder] += 1
        return f"{decoder} {verdict}"

    @staticmethod
    def _zbar_matches(row, png):
        """None when zbarimg read exactly the expected symbols, else what it read."""
        symbols = harness.zbar(png)
        read = sorted((kind, text) for kind, text, _ in symbols)
        if read != sorted(row.zbar):
            return f"read {read}, expected {sorted(row.zbar)}"
        for kind, _, modifiers in symbols:
            if kind == ZBAR_CODE128 and ("GS1" in modifiers.split(",")) != row.gs1:
                return f"GS1 modifier {modifiers!r}, expected GS1 {row.gs1}"
        return None

    @staticmethod
    def _zxing_matches(row, png):
        """None when ZXingReader read the expected symbol (and nothing else), else what it read.

        A symbol with an add-on is also read without it along lines that miss the add-on's
        shorter bars; such a reading must be the main symbol's part of the text.
        """
        expected_format, expected_text = row.zxing
        expected = expected_text.encode("latin-1")
        results = harness.zxing(png)
        full = [r for r in results if r[0] == expected_format and r[1] == expected]
        strays = [r for r in results
                  if r[0] != expected_format or not expected.startswith(r[1])
                  or (r[1] != expected and expected[len(r[1]):len(r[1]) + 1] != b" ")]
        if not full or strays:
            return f"read {results}, expected {row.zxing}"
        if any((identifier == "]C1") != row.gs1 for _, _, identifier in full):
            return f"symbology identifier {full[0][2]}, expected GS1 {row.gs1}"
        return None


if __name__ == "__main__":
    unittest.main()
