#!/usr/bin/python3
"""Writes products.ods: the ready sheet of the Calc add-in, a column of data
and a column of formulas for every symbology, each formula column set in the
face ZINDRA.FACE names for it, made in a headless Calc with the add-in of a
build (so that its saved values are what that build's functions give).

Usage: docs/calc/make-products.py [--build DIR]
(--build: the build folder with zindra.oxt, libzindra and the faces; ./build
by default)"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, os.pardir, os.pardir)
POINT_SIZE = 24

ITEMS = ("Tea bowl", "Tea bowl, large", "Mug 0.3 l", "Mug 0.5 l", "Side plate")
# (data heading, formula heading, formula with {} for the data cell, ZINDRA.FACE's
# arguments, one datum an item); GTINs in GS1-128 are the EAN-13s with a leading 0.
COLUMNS = (
    ("Code 128 data", "Code 128", "=ZINDRA.CODE128({})", '"code128";"-v auto"',
     ("TB-1042", "TB-1043", "MG-2001", "MG-2002", "PL-3110")),
    ("GS1-128 data", "GS1-128", "=ZINDRA.GS1({})", '"code128";"-v gs1"',
     ("(01)04006381333931(10)TB-1042", "(01)04006381333948(10)TB-1043",
      "(01)05901234123457(10)MG-2001", "(01)09780201379624(10)MG-2002",
      "(01)05012345678900(10)PL-3110")),
    ("Code 39 data", "Code 39", "=ZINDRA.CODE39({})", '"code39"',
     ("TB-1042", "TB-1043", "MG-2001", "MG-2002", "PL-3110")),
    ("Code 93 data", "Code 93", "=ZINDRA.CODE93({})", '"code93"',
     ("TB-1042", "TB-1043", "MG-2001", "MG-2002", "PL-3110")),
    ("EAN-13 data", "EAN-13", "=ZINDRA.EAN13({})", '"ean";"-v 2"',
     ("400638133393", "400638133394", "590123412345", "978020137962", "501234567890")),
    ("EAN-8 data", "EAN-8", "=ZINDRA.EAN8({})", '"ean";"-v 1"',
     ("9638507", "5512345", "4003994", "2012345", "7351353")),
    ("UPC-A data", "UPC-A", "=ZINDRA.UPCA({})", '"upc"',
     ("03600029145", "04210000526", "01234567890", "07200001234", "08500000012")),
    ("UPC-E data", "UPC-E", "=ZINDRA.UPCE({})", '"upc";"-t human"',
     ("04210000526", "01200000789", "01230000045", "01234000003", "01234500006")),
    ("ITF-14 data", "ITF-14", "=ZINDRA.ITF14({})", '"i25";"-t itf14"',
     ("1540014128876", "0012345678905", "1001234567890", "2001234567890", "3001234567890")),
    ("Interleaved 2 of 5 data", "Interleaved 2 of 5", "=ZINDRA.I25({})", '"i25"',
     ("123456", "98765432", "00112233", "5544", "10203040")),
    ("Codabar data", "Codabar", "=ZINDRA.CODABAR({})", '"codabar"',
     ("A1042B", "A1043B", "A2001B", "A2002B", "A3110B")),
    ("ISBN data", "ISBN", "=ZINDRA.ISBN({};51000)", '"ean";"-v 3"',
     ("0-306-40615-2", "0-201-63361-2", "0-19-852663-6", "978-3-16-148410-0", "0-13-110362-8")),
    ("PostNet data", "PostNet", "=ZINDRA.POSTNET({})", '"postnet"',
     ("12345", "123456789", "55555", "90210", "10001")),
)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(SOURCE, "build"))
    build = os.path.abspath(parser.parse_args().build)
    os.environ.update(ZINDRA_OXT=os.path.join(build, "office", "zindra.oxt"),
                      ZINDRA_FONT_DIR=os.path.join(build, "fonts", "ttf"),
                      ZINDRA_LIBRARY=os.path.join(build, "library", "libzindra.so.0"),
                      PYTHONPATH=os.path.join(SOURCE, "python"))
    sys.path.insert(0, os.path.join(SOURCE, "tests", "office"))
    from calc_session import Calc, properties  # noqa: E402

    target = os.path.join(HERE, "products.ods")
    temporary = os.path.join(HERE, ".products.ods.tmp")
    with Calc() as calc:
        document = calc.new_document()
        sheet = document.Sheets.getByIndex(0)
        sheet.Name = "Products"
        sheet.getCellByPosition(0, 0).setString("Item")
        for row, item in enumerate(ITEMS, 1):
            sheet.getCellByPosition(0, row).setString(item)
        scratch = sheet.getCellByPosition(0, len(ITEMS) + 2)
        for index, (data_head, head, formula, face, data) in enumerate(COLUMNS):
            data_column, column = 1 + 2 * index, 2 + 2 * index
            sheet.getCellByPosition(data_column, 0).setString(data_head)
            sheet.getCellByPosition(column, 0).setString(head)
            scratch.setFormula(f"=ZINDRA.FACE({face})")
            document.calculateAll()
            face_name = scratch.getString()
            for row, datum in enumerate(data, 1):
                # Text cells, so that leading zeros stay.
                sheet.getCellByPosition(data_column, row).setString(datum)
                cell = sheet.getCellByPosition(column, row)
                address = sheet.getCellByPosition(data_column, row).AbsoluteName.split(".")[-1]
                cell.setFormula(formula.format(address.replace("$", "")))
                cell.CharFontName, cell.CharHeight = face_name, POINT_SIZE
        scratch.setString("")
        document.calculateAll()
        for column in range(1 + 2 * len(COLUMNS)):
            sheet.Columns.getByIndex(column).OptimalWidth = True
        for row in range(len(ITEMS) + 1):
            sheet.Rows.getByIndex(row).OptimalHeight = True
        document.storeToURL("file://" + temporary, properties(FilterName="calc8"))
        document.close(True)
    os.replace(temporary, target)
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
