#!/usr/bin/python3
"""The Calc add-in in a headless Calc: formulas set with setFormula(),
recalculated and read back against libzindra's answers (through the zindra
module) or hand-worked values; refused data as #VALUE! with ZINDRA.ERROR's
message; the Function Wizard's entries; and one sheet of every symbology set
in its face, exported by `soffice --convert-to pdf`, rasterised and decoded
page by page with zbar and zxing-cpp. One soffice answers every formula."""

import os
import shutil
import sys
import tempfile
import unittest

import zindra

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from decode import decode_pages  # noqa: E402
try:
    from calc_session import Calc, properties  # noqa: E402
except ImportError:  # no python3-uno: reported with the missing tools
    Calc = None

# Calc's error codes as getError() gives them.
VALUE_ERROR = 519  # #VALUE!
TOOLS = ("soffice", "pdftoppm", "zbarimg", "ZXingReader")
EXAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir, "docs",
                       "calc", "products.ods")

# A formula and what its cell shows: a literal worked out by hand, or the
# zindra.encode() request whose font string it must equal.
FONT_STRING_ROWS = [
    # Code 39 mod 43: the values of CODE39 sum to 75, 75 mod 43 = 32 = "W".
    ('=ZINDRA("CODE39";"code39";"-c")', "*CODE39W*"),
    ('=ZINDRA.CODE39("CODE39";TRUE())', "*CODE39W*"),
    ('=ZINDRA.CODE39("CODE39")', "*CODE39*"),
    ('=ZINDRA("code 39";"code39";"-co")', {"data": "code 39", "checksum": True, "option2": True}),
    ('=ZINDRA("123456";"code128";"--variant=3 -z A")',
     {"data": "123456", "symbology": "code128", "variant": 3, "size": "A"}),
    ('=ZINDRA("03600029145";"upc";"-v 3 -e 12345")',
     {"data": "03600029145", "symbology": "upc", "variant": 3, "extra": "12345"}),
    ('=ZINDRA("04210000526";"upc";"-t human -z E")',
     {"data": "04210000526", "symbology": "upc", "font_type": "human", "size": "E"}),
    ('=ZINDRA("1234567890123";"i25";"--font-type itf14 --option2")',
     {"data": "1234567890123", "symbology": "i25", "font_type": "itf14", "option2": True}),
    ('=ZINDRA("A1234B";"codabar";"-p 30")', {"data": "A1234B", "symbology": "codabar"}),
    ('=ZINDRA.CODE93("CODE93")', {"data": "CODE93", "symbology": "code93"}),
    # Auto: Start B, "Hello 128" all in B (C for two digits would cost a switch each way),
    # check 1688 mod 103 = 40 "I", stop; the face's glyph for value v < 95 is v + 33.
    ('=ZINDRA.CODE128("Hello 128")', "\u00caIfmmp!239I\u00cc"),
    # Start C, FNC1, 01 09 50 11 01 53 00 03 10, Code B, AB-123, check 3981 mod 103 = 67 "d";
    # values from 95 up are v + 98: Start C 203, FNC1 200, Code B 198, stop 204.
    ('=ZINDRA.GS1("[01]09501101530003[10]AB-123")',
     '\u00cb\u00c8"*S,"V!$+\u00c6BC.234d\u00cc'),
    ('=ZINDRA("(01)09501101530003(10)AB-123";"code128";"-v gs1")',
     '\u00cb\u00c8"*S,"V!$+\u00c6BC.234d\u00cc'),
    # Numbers are read as their digits, never "123456.0" or "1.23456E+05".
    ('=ZINDRA.I25(123456)', {"data": "123456", "symbology": "i25"}),
    ('=ZINDRA.I25("12345";1)', {"data": "12345", "symbology": "i25", "checksum": True}),
    ('=ZINDRA.ITF14(1234567890123)', {"data": "1234567890123", "symbology": "i25",
                                      "font_type": "itf14"}),
    ('=ZINDRA.CODABAR("A1234B")', {"data": "A1234B", "symbology": "codabar"}),
    ('=ZINDRA.EAN8(1234567)', {"data": "1234567", "symbology": "ean", "variant": 1}),
    # A GTIN typed as a number, past the digits a float prints without an exponent.
    ('=ZINDRA.EAN13(4006381333931)', {"data": "4006381333931", "symbology": "ean", "variant": 2}),
    ('=ZINDRA.ISBN("0-306-40615-2";51000)', {"data": "0-306-40615-2", "symbology": "ean",
                                              "variant": 3, "extra": "51000"}),
    ('=ZINDRA.ISBN("0-306-40615-2")', {"data": "0-306-40615-2", "symbology": "ean",
                                        "variant": 3, "extra": "90000"}),
    ('=ZINDRA.UPCA("03600029145")', {"data": "03600029145", "symbology": "upc"}),
    ('=ZINDRA.UPCA("03600029145";"12")', {"data": "03600029145", "symbology": "upc",
                                          "variant": 2, "extra": "12"}),
    ('=ZINDRA.UPCA("03600029145";12345)', {"data": "03600029145", "symbology": "upc",
                                           "variant": 3, "extra": "12345"}),
    # An empty supplement cell reaches the add-in as 0: no supplement.
    ('=ZINDRA.UPCA("03600029145";Z1)', {"data": "03600029145", "symbology": "upc"}),
    ('=ZINDRA.UPCE("04210000526")', {"data": "04210000526", "symbology": "upc",
                                     "font_type": "human"}),
    ('=ZINDRA.UPCE("04210000526";"12")', {"data": "04210000526", "symbology": "upc",
                                          "font_type": "human", "variant": 2, "extra": "12"}),
    ('=ZINDRA.POSTNET(12345)', {"data": "12345", "symbology": "postnet"}),
    ('=ZINDRA.ERROR("CODE39";"code39")', ""),
]

# ZINDRA.FACE's answers, from the faces' names.
FACE_ROWS = [
    ('=ZINDRA.FACE("code39")', "Tessary 39 d"),
    ('=ZINDRA.FACE("code39";"-t human -z A")', "Tessary 39 a HR"),
    ('=ZINDRA.FACE("code128";"-v 3")', "Tessary Code 128C d"),
    ('=ZINDRA.FACE("code128";"-v 5")', "Tessary Code 128C d"),  # SSCC-18 data only fits C
    ('=ZINDRA.FACE("code128";"-v auto")', "Tessary Code 128ABC d"),
    ('=ZINDRA.FACE("code128";"-v gs1")', "Tessary Code 128ABC d"),  # only with element strings
    ('=ZINDRA.FACE("i25";"-o")', "Tessary Bearer 25i d"),
    ('=ZINDRA.FACE("i25";"-t itf14 -z B")', "Tessary ITF14 b"),
    ('=ZINDRA.FACE("ean";"-v 3")', "Tessary EAN d"),  # Bookland: only with a price
    ('=ZINDRA.FACE("upc";"-v 2")', "Tessary UPCA d"),  # only with a 2-digit supplement
    ('=ZINDRA.FACE("upc";"-t human -z E")', "Tessary UPCE e"),
    ('=ZINDRA.FACE("postnet")', "Tessary Postal"),
]

POINT_SIZE = "Error, the point size must be a whole number from 1 to 1638"
# A formula that must show #VALUE!, the ZINDRA.ERROR formula for the same
# request (None where ZINDRA.ERROR cannot express it) and its message.
ERROR_ROWS = [
    ('=ZINDRA("x";"code39")', '=ZINDRA.ERROR("x";"code39")',
     'Error: input character "x" not legal in bar code 3 of 9'),
    ('=ZINDRA("";"code39")', '=ZINDRA.ERROR("";"code39")', "Error, no data to bar code"),
    ('=ZINDRA("12345";"code128";"-v 3")', '=ZINDRA.ERROR("12345";"code128";"-v 3")',
     "Error, you must encode an even number of digits"),
    ('=ZINDRA("x";"Code39")', '=ZINDRA.ERROR("x";"Code39")',
     'bad request: unknown symbology "Code39" '
     "(i25 | code39 | code93 | code128 | codabar | ean | postnet | upc)"),
    ('=ZINDRA("X";"code39";"-p 0")', '=ZINDRA.ERROR("X";"code39";"-p 0")', POINT_SIZE),
    ('=ZINDRA("X";"code39";"-q")', '=ZINDRA.ERROR("X";"code39";"-q")', "unknown option '-q'"),
    ('=ZINDRA("X";"code39";"-cq")', '=ZINDRA.ERROR("X";"code39";"-cq")', "unknown option '-q'"),
    ('=ZINDRA("X";"code39";"--json")', '=ZINDRA.ERROR("X";"code39";"--json")',
     "unknown option '--json'"),
    ('=ZINDRA("X";"code39";"-v")', '=ZINDRA.ERROR("X";"code39";"-v")',
     "option '-v' needs a value"),
    ('=ZINDRA("X";"code39";"--checksum=yes")', '=ZINDRA.ERROR("X";"code39";"--checksum=yes")',
     "option '--checksum' takes no value"),
    ('=ZINDRA("X";"code39";"-S")', '=ZINDRA.ERROR("X";"code39";"-S")',
     "option '-S': a cell holds the font string without the sums line"),
    ('=ZINDRA("X";"code39";"-s code93")', '=ZINDRA.ERROR("X";"code39";"-s code93")',
     "option '-s': the symbology is the function's own argument"),
    ('=ZINDRA("X";"code39";"-c X")', '=ZINDRA.ERROR("X";"code39";"-c X")',
     "'X' is not an option: the data is the first argument"),
    ('=ZINDRA("X";"code39";"-e ""12")', '=ZINDRA.ERROR("X";"code39";"-e ""12")',
     "the options cannot be read: No closing quotation"),
    ('=ZINDRA(12.5;"code39")', '=ZINDRA.ERROR(12.5;"code39")',
     "Data 12.5 is not a whole number: store codes with decimals as text"),
    ('=ZINDRA(Z1:Z2;"code39")', '=ZINDRA.ERROR(Z1:Z2;"code39")',
     "Data must be one cell, not a range"),
    ('=ZINDRA.GS1("(01)09501101530004")', '=ZINDRA.ERROR("(01)09501101530004";"code128";"-v gs1")',
     "AI (01): the check digit should be 3"),
    ('=ZINDRA.EAN13(1234567)', '=ZINDRA.ERROR(1234567;"ean";"-v 2")',
     "EAN 13 bar codes have 12 data digits plus a checksum"),
    ('=ZINDRA.ITF14(12)', '=ZINDRA.ERROR(12;"i25";"-t itf14")',
     "Error, ITF-14 bar codes are 13 digits plus a checksum"),
    ('=ZINDRA.UPCA("03600029145";123)', '=ZINDRA.ERROR("03600029145";"upc";"-v 3 -e 123")',
     "This supplemental code must be 5 digits long"),
    ('=ZINDRA.CODABAR("12")', '=ZINDRA.ERROR("12";"codabar")',
     "Error:- bar code must be at least 3 characters"),
    ('=ZINDRA.CODE39("A";"yes")', None, None),
    ('=ZINDRA.FACE("nope")', None, None),
]

# The Function Wizard's entries: name, arguments, and which may be left out.
WIZARD = [
    ("ZINDRA", [("Data", True), ("Symbology", False), ("Options", True)]),
    ("ZINDRA.FACE", [("Symbology", False), ("Options", True)]),
    ("ZINDRA.ERROR", [("Data", True), ("Symbology", False), ("Options", True)]),
    ("ZINDRA.CODE39", [("Data", True), ("Checksum", True)]),
    ("ZINDRA.CODE93", [("Data", True)]),
    ("ZINDRA.CODE128", [("Data", True)]),
    ("ZINDRA.GS1", [("Data", True)]),
    ("ZINDRA.I25", [("Data", True), ("Checksum", True)]),
    ("ZINDRA.ITF14", [("Data", True)]),
    ("ZINDRA.CODABAR", [("Data", True)]),
    ("ZINDRA.EAN8", [("Data", True)]),
    ("ZINDRA.EAN13", [("Data", True)]),
    ("ZINDRA.ISBN", [("Isbn", True), ("Price", True)]),
    ("ZINDRA.UPCA", [("Data", True), ("Supplement", True)]),
    ("ZINDRA.UPCE", [("Data", True), ("Supplement", True)]),
    ("ZINDRA.POSTNET", [("Data", True)]),
]
ADD_IN_CATEGORY = 11  # com.sun.star.sheet.FunctionCategory.ADDIN

# The scan sheet: one formula a page, and what zbar and zxing-cpp read from
# it, worked out by hand (check digits by the standards' rules); None where
# the reader has no decoder for the symbology.
SCAN_ROWS = [
    ('=ZINDRA.CODE39("CODE39";TRUE())', '"code39"', [("CODE-39", "CODE39W")],
     [("Code39", "CODE39W")]),
    ('=ZINDRA.CODE93("CODE93")', '"code93"', [("CODE-93", "CODE93")], [("Code93", "CODE93")]),
    ('=ZINDRA.CODE128("Hello 128")', '"code128";"-v auto"', [("CODE-128", "Hello 128")],
     [("Code128", "Hello 128")]),
    # (10) is of variable length and not last: GS ends it. zxing-cpp names GS1-128 by ]C1.
    ('=ZINDRA.GS1("(01)09501101530003(10)AB-123(17)140704")', '"code128";"-v gs1"',
     [("CODE-128", "010950110153000310AB-123\x1d17140704")],
     [("Code128", "010950110153000310AB-123\x1d17140704", "]C1")]),
    ('=ZINDRA("123456";"code128";"-v 3 -t human")', '"code128";"-v 3 -t human"',
     [("CODE-128", "123456")], [("Code128", "123456")]),
    ('=ZINDRA.I25(123456)', '"i25"', [("I2/5", "123456")], [("ITF", "123456")]),
    # 1234567890123: 3 x (1+3+5+7+9+1+3) + (2+4+6+8+0+2) = 87 + 22 = 109, check 1.
    ('=ZINDRA.ITF14(1234567890123)', '"i25";"-t itf14"', [("I2/5", "12345678901231")],
     [("ITF", "12345678901231")]),
    ('=ZINDRA.CODABAR("A1234B")', '"codabar"', [("Codabar", "A1234B")], [("Codabar", "1234")]),
    # 1234567: 3 x (1+3+5+7) + (2+4+6) = 60, check 0.
    ('=ZINDRA.EAN8(1234567)', '"ean";"-v 1"', [("EAN-8", "12345670")], [("EAN-8", "12345670")]),
    ('=ZINDRA.EAN13(400638133393)', '"ean";"-v 2"', [("EAN-13", "4006381333931")],
     [("EAN-13", "4006381333931")]),
    ('=ZINDRA.ISBN("0-306-40615-2";51000)', '"ean";"-v 3"',
     # zxing-cpp also reads the main symbol alone, along lines that miss the
     # add-on's shorter bars.
     [("EAN-13", "9780306406157"), ("EAN-5", "51000")],
     [("EAN-13", "9780306406157"), ("EAN-13", "9780306406157 51000")]),
    # zbar reports UPC-A and UPC-E in their EAN-13 form.
    ('=ZINDRA.UPCA("03600029145")', '"upc"', [("EAN-13", "0036000291452")],
     [("UPC-A", "036000291452")]),
    # 042100005264 zero-suppresses to 04252614.
    ('=ZINDRA.UPCE("04210000526")', '"upc";"-t human"', [("EAN-13", "0042100005264")],
     [("UPC-E", "04252614")]),
    # Neither reader knows PostNet: its page must stay free of anything they read.
    ('=ZINDRA.POSTNET(12345)', '"postnet"', [], []),
]
POINT_SIZE_PT = 28


def missing_tools():
    return ([tool for tool in TOOLS if shutil.which(tool) is None] +
            (["python3-uno"] if Calc is None else []))


class CalcAddIn(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        missing = missing_tools()
        if missing and os.environ.get("CI"):
            raise AssertionError(f"missing {missing}")
        if missing:
            raise unittest.SkipTest(f"missing {missing}")
        cls.out = tempfile.TemporaryDirectory(prefix="zindra-calc-out-")
        cls.calc = Calc().__enter__()
        try:
            cls.cells = cls.recalculate()
            cls.wizard = cls.calc.function_entries()
            cls.example = cls.recalculate_example()
            cls.pages = cls.scan_sheet()
        finally:
            cls.calc.__exit__(None, None, None)

    @classmethod
    def tearDownClass(cls):
        cls.out.cleanup()

    @classmethod
    def recalculate(cls):
        """Every row's formula in one sheet: {formula: (string, error code)}."""
        formulas = ([f for f, _ in FONT_STRING_ROWS] + [f for f, _ in FACE_ROWS] +
                    [f for row in ERROR_ROWS for f in row[:2] if f])
        document = cls.calc.new_document()
        sheet = document.Sheets.getByIndex(0)
        for row, formula in enumerate(formulas):
            sheet.getCellByPosition(0, row).setFormula(formula)
        document.calculateAll()
        cells = {}
        for row, formula in enumerate(formulas):
            cell = sheet.getCellByPosition(0, row)
            cells[formula] = (cell.getString(), cell.getError())
        document.close(True)
        return cells

    @classmethod
    def recalculate_example(cls):
        """The documented example's cells as saved and once recalculated here:
        [(cell, saved text, recalculated text, error code)] for its formulas."""
        document = cls.calc.desktop.loadComponentFromURL(
            "file://" + os.path.abspath(EXAMPLE), "_blank", 0, properties(Hidden=True))
        sheet = document.Sheets.getByIndex(0)
        cursor = sheet.createCursor()
        cursor.gotoEndOfUsedArea(False)
        end = cursor.getRangeAddress()
        formulas = [sheet.getCellByPosition(column, row)
                    for row in range(end.EndRow + 1) for column in range(end.EndColumn + 1)]
        formulas = [cell for cell in formulas if cell.getFormula().startswith("=")]
        saved = [cell.getString() for cell in formulas]
        document.calculateAll()
        cells = [(cell.AbsoluteName, before, cell.getString(), cell.getError())
                 for cell, before in zip(formulas, saved)]
        document.close(True)
        return cells

    @classmethod
    def scan_sheet(cls):
        """The scan rows in column B, each on a page of its own, set in the face
        ZINDRA.FACE names in column C; saved, then exported by a second soffice."""
        document = cls.calc.new_document()
        sheet = document.Sheets.getByIndex(0)
        for row, (formula, face, _, _) in enumerate(SCAN_ROWS):
            sheet.getCellByPosition(1, row).setFormula(formula)
            sheet.getCellByPosition(2, row).setFormula(f"=ZINDRA.FACE({face})")
        document.calculateAll()
        for row in range(len(SCAN_ROWS)):
            cell = sheet.getCellByPosition(1, row)
            cell.CharFontName = sheet.getCellByPosition(2, row).getString()
            cell.CharHeight = POINT_SIZE_PT
            if row:
                sheet.Rows.getByIndex(row).IsStartOfNewPage = True
        sheet.Columns.getByIndex(1).Width = 17000  # 1/100 mm
        area = sheet.getCellRangeByPosition(1, 0, 1, len(SCAN_ROWS) - 1).getRangeAddress()
        sheet.setPrintAreas((area,))
        path = os.path.join(cls.out.name, "symbologies.ods")
        document.storeToURL("file://" + path, properties(FilterName="calc8"))
        document.close(True)
        cls.calc.close()
        pdf = cls.calc.convert_to_pdf(path, cls.out.name)
        return decode_pages(pdf, cls.out.name)

    def test_font_strings_are_the_librarys(self):
        for formula, expected in FONT_STRING_ROWS:
            with self.subTest(formula):
                if isinstance(expected, dict):
                    expected = zindra.encode(**expected).font_string
                self.assertEqual(self.cells[formula], (expected, 0))

    def test_faces(self):
        for formula, face in FACE_ROWS:
            with self.subTest(formula):
                self.assertEqual(self.cells[formula], (face, 0))

    def test_refused_data_shows_value_error_and_the_message(self):
        for formula, error_formula, message in ERROR_ROWS:
            with self.subTest(formula):
                self.assertEqual(self.cells[formula][1], VALUE_ERROR, self.cells[formula])
                if error_formula:
                    self.assertEqual(self.cells[error_formula], (message, 0))

    def test_function_wizard_lists_every_function_with_its_arguments(self):
        for name, arguments in WIZARD:
            with self.subTest(name):
                entry = self.wizard.get(name)
                self.assertIsNotNone(entry, f"{name} is not in the Function Wizard")
                self.assertEqual(entry["Category"], ADD_IN_CATEGORY)
                self.assertTrue(entry["Description"])
                self.assertEqual([(a.Name, a.IsOptional) for a in entry["Arguments"]],
                                 arguments)
                self.assertTrue(all(a.Description for a in entry["Arguments"]))

    def test_the_documented_example_holds_what_its_formulas_give(self):
        self.assertGreater(len(self.example), 0)
        for name, saved, now, error in self.example:
            with self.subTest(name):
                self.assertEqual((now, error), (saved, 0))

    def test_every_symbology_scans_from_the_exported_pdf(self):
        self.assertEqual(len(self.pages), len(SCAN_ROWS))
        for (formula, _, zbar, zxing), (read_zbar, read_zxing) in zip(SCAN_ROWS, self.pages):
            with self.subTest(formula):
                # A row names zxing-cpp's symbology identifier where it tells something.
                named = len(zxing[0]) if zxing else 2
                self.assertEqual((read_zbar, sorted(r[:named] for r in read_zxing)),
                                 (sorted(zbar), sorted(zxing)))


if __name__ == "__main__":
    unittest.main(verbosity=2)
