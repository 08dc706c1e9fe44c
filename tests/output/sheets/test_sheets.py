"""Label sheets from a list, read back as a label printer's customer would: each
family's records go onto a Letter and an A4 stock (and some onto a sheet described
in millimetres and a printer's roll), the PDF is rasterised at 300 dpi, every label
cell is cut out and decoded with zbar and zxing-cpp, and the ink is checked to stay
inside its own cell with the symbology's quiet zones. The line under the bars is
read back from the PDF's text and must be the data a person keys in, and every
label of a sheet has the same narrow bar.

The cell grids are the stocks' published dimensions (or the dimensions given on the
command line), not the program's tables; check digits are worked out here with the
standards' own rules."""
import concurrent.futures
import os
import random
import re
import subprocess
import sys
import tempfile
import unittest

import numpy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir))
import decoders  # noqa: E402
from pgm import read_pgm, write_pgm  # noqa: E402
from sheet_reading import DPI, INK, bar_span, text_lines  # noqa: E402

ENCODER = os.environ.get("ZINDRA_ENCODE", "")
EXAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "docs",
                       "mail-merge", "products.csv")
TOOLS = ("pdftoppm", "pdffonts", "zbarimg", "ZXingReader")


def mm(value):
    return value / 25.4 * DPI


def inch(value):
    return value * DPI


CUSTOM = "custom:2x4,90x60,12,20,96x62"
ROLL = "roll:60x30"
# name: (page width, height, label width, height, columns, rows, column pitch, left, top,
# row pitch), in 300 dpi dots, from the makers' published sheet layouts or as described.
STOCKS = {
    "5160": (inch(8.5), inch(11), inch(2.625), inch(1), 3, 10, inch(2.75), inch(0.1875), inch(0.5),
             inch(1)),
    "a4-63.5x38.1": (mm(210), mm(297), mm(63.5), mm(38.1), 3, 7, mm(66.0), mm(7.25), mm(15.15),
                     mm(38.1)),
    CUSTOM: (mm(210), mm(297), mm(90), mm(60), 2, 4, mm(96), mm(12), mm(20), mm(62)),
    ROLL: (mm(60), mm(30), mm(60), mm(30), 1, 1, 0, 0, 0, 0),
}


def ean_check(digits):
    """The EAN/UPC check digit: weights 3 and 1 from the right, to the next ten."""
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits)))
    return str((10 - total % 10) % 10)


def digits(rng, count):
    return "".join(rng.choice("0123456789") for _ in range(count))


def text(rng, alphabet, least, most):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(least, most)))


UPPER = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
# Printable ASCII without the double quote, which -c turns into a code of its own.
PRINTABLE = "".join(chr(c) for c in range(32, 127) if chr(c) != '"')


# Each maker gives (data, zbar's reading, zxing's reading, the line under the bars).
# The line is the data as typed: the check characters that -c would add are the
# symbol's, not the data's; EAN and UPC faces print their digits themselves.
def i25(rng):
    data = digits(rng, 2 * rng.randint(3, 6))
    return data, ("I2/5", data), ("ITF", data), data


def code39(rng):
    data = text(rng, UPPER + "-.$/+%", 3, 9)
    return data, ("CODE-39", data), ("Code39", data), data


def code93(rng):
    data = text(rng, UPPER + "-.$/+%", 3, 9)
    return data, ("CODE-93", data), ("Code93", data), data


def code128(rng):
    data = text(rng, PRINTABLE, 3, 10).strip() or "X"
    return data, ("CODE-128", data), ("Code128", data), data


def code128_auto(rng):
    # Runs of digits between text, so that the symbol switches subsets.
    data = (text(rng, PRINTABLE, 1, 5) + digits(rng, rng.randint(0, 8)) +
            text(rng, PRINTABLE, 0, 4)).strip() or "X"
    return data, ("CODE-128", data), ("Code128", data), data


def gs1_date(rng):
    return "%02d%02d%02d" % (rng.randint(0, 99), rng.randint(1, 12), rng.randint(0, 28))


# AI: (fixed length, value maker); a value of variable length ends with a separator
# unless it is the last of the symbol.
GS1_AIS = {
    "01": (True, lambda rng: (lambda g: g + ean_check(g))(digits(rng, 13))),
    "17": (True, gs1_date),
    "10": (False, lambda rng: text(rng, UPPER + "-", 1, 4)),
    "21": (False, lambda rng: text(rng, UPPER + "abc-/", 1, 4)),
}


def gs1(rng):
    ais = rng.sample(sorted(GS1_AIS), rng.randint(1, 2))
    values = [(ai, GS1_AIS[ai][1](rng)) for ai in ais]
    # The AIs typed in brackets or in parentheses: the line under the bars shows parentheses.
    opening, closing = rng.choice(("()", "[]"))
    data = "".join(f"{opening}{ai}{closing}{value}" for ai, value in values)
    read = "".join(ai + value + ("" if GS1_AIS[ai][0] or last else "\x1d")
                   for last, (ai, value) in zip([False] * (len(values) - 1) + [True], values))
    line = "".join(f"({ai}){value}" for ai, value in values)
    return data, ("CODE-128", read), ("Code128", read, "]C1"), line


def codabar(rng):
    body = text(rng, "0123456789-$:/.+", 3, 10)
    return "A" + body + "B", ("Codabar", "A" + body + "B"), ("Codabar", body), "A" + body + "B"


def ean13(rng):
    data = rng.choice("123456789") + digits(rng, 11)
    full = data + ean_check(data)
    return data, ("EAN-13", full), ("EAN-13", full), None


def upca(rng):
    data = digits(rng, 11)
    full = data + ean_check(data)
    # zbar reports UPC-A in its EAN-13 form.
    return data, ("EAN-13", "0" + full), ("UPC-A", full), None


def postnet(rng):
    # Neither decoder reads PostNet: its labels are checked for place and ink only.
    data = digits(rng, rng.choice((5, 9)))
    return data, None, None, data


# family: (encoder options, record maker, records that fail to encode, a record too
# long for a 5160 label at a scannable size or None, quiet zone in modules)
FAMILIES = {
    "i25": (("-s", "i25"), i25, ("12A4", "123"), "12" * 40, 10),
    "code39": (("-s", "code39"), code39, ("abc", "A*B"), "CODE39" * 10, 10),
    "code93": (("-s", "code93"), code93, ("\u20ac",), "CODE93" * 12, 10),
    "code128": (("-s", "code128", "-v", "2"), code128, ("\u20ac",), "Code 128 " * 10, 10),
    "code128 auto": (("-s", "code128", "-v", "auto"), code128_auto, ("\u20ac",),
                     "Code 128 " * 10, 10),
    # A wrong check digit, an AI that does not exist, a day past the month's end.
    "gs1": (("-s", "code128", "-v", "gs1"), gs1, ("(01)09501101530004", "[23]1234",
                                                   "(17)140732"), None, 10),
    "codabar": (("-s", "codabar"), codabar, ("1234", "A12B34"), "A" + "1234567890" * 8 + "B", 10),
    "ean": (("-s", "ean", "-v", "2"), ean13, ("12345", "12345678901X"), None, 9),
    "upc": (("-s", "upc"), upca, ("123", "1234567890A"), None, 9),
    "postnet": (("-s", "postnet"), postnet, ("12a", "1234"), None, 6),
}
RECORDS = 120


def csv_field(value):
    if any(c in value for c in ',"\r\n'):
        return '"' + value.replace('"', '""') + '"'
    return value


def make_records(family, seed):
    """[(data, caption, zbar expectation, zxing expectation, fails, line under the bars)]
    in line order."""
    _, maker, bad, too_long, _ = FAMILIES[family]
    rng = random.Random(seed)
    records = []
    for number in range(RECORDS):
        data, zbar, zxing, line = maker(rng)
        # Every other record has a caption, some with a comma (quoted in the CSV).
        caption = "" if number % 2 else f"Item {number + 1}" + (", boxed" if number % 6 == 0 else "")
        records.append((data, caption, zbar, zxing, False, line))
    failing = list(bad) + ([too_long] if too_long else [])
    for slot, data in zip((4, 41, 77), failing):
        records[slot] = (data, "must stay empty", None, None, True, None)
    return records


def cells(stock):
    page_w, page_h, w, h, columns, rows, pitch, left, top, row_pitch = STOCKS[stock]
    return [(round(left + c * pitch), round(top + r * row_pitch), round(left + c * pitch + w),
             round(top + r * row_pitch + h))
            for r in range(rows) for c in range(columns)]


def run_sheet(family, stock, extra_args, folder, seed, piped=False):
    """Makes one family's sheets; returns (records, exit status, stderr, page images, pdf).
    `piped` hands the list over a pipe, which can be read only once."""
    records = make_records(family, seed)
    name = f"{family.replace(' ', '-')}-{stock.split(':')[0]}"
    lines = "".join(csv_field(data) + ("," + csv_field(caption) if caption else "") + "\r\n"
                    for data, caption, *_ in records)
    csv_path = os.path.join(folder, f"{name}.csv")
    with open(csv_path, "w", encoding="utf-8", newline="") as f:
        f.write(lines)
    pdf = os.path.join(folder, f"{name}.pdf")
    done = subprocess.run([ENCODER, *FAMILIES[family][0], "--batch", "-" if piped else csv_path,
                           "--sheet", stock, "--pdf", pdf, *extra_args],
                          input=lines.encode() if piped else None, capture_output=True, check=False)
    prefix = os.path.join(folder, name)
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", pdf, prefix], check=True)
    pages = sorted(p for p in os.listdir(folder) if p.startswith(f"{name}-") and p.endswith(".pgm"))
    return (records, done.returncode, done.stderr.decode(), [os.path.join(folder, p) for p in pages],
            pdf)


def check_family(family, stock, skip, copies, folder, seed, every, piped):
    """Every fault found, as text; an empty list when the sheets are right. Every
    label of the first sheet is decoded, and every `every`-th label after it."""
    extra = ["--skip", str(skip)] if skip else []
    extra += ["--copies", str(copies)] if copies > 1 else []
    records, status, stderr, pages, pdf = run_sheet(family, stock, extra, folder, seed, piped)
    texts = text_lines(pdf, cells(stock))
    faults = []
    failing = [number + 1 for number, record in enumerate(records) if record[4]]
    reported = sorted(int(n) for n in re.findall(r"line (\d+):", stderr))
    if status != 1 or reported != failing:
        faults.append(f"{family} {stock}: status {status}, reported lines {reported}, "
                      f"expected 1 and {failing}: {stderr}")
    grid = cells(stock)
    per_sheet = len(grid)
    labels = [None] * skip + [record for record in records for _ in range(copies)]
    if len(pages) != -(-len(labels) // per_sheet):
        faults.append(f"{family} {stock}: {len(pages)} pages for {len(labels)} labels")
    quiet = FAMILIES[family][4]
    crops = []
    narrows = set()  # the narrow bar of every label, in raster dots
    for page_number, page_path in enumerate(pages):
        page = read_pgm(page_path)
        outside = numpy.ones(page.shape, dtype=bool)
        for index, (x0, y0, x1, y1) in enumerate(grid):
            outside[y0 + 1:y1 - 1, x0 + 1:x1 - 1] = False
            slot = page_number * per_sheet + index
            record = labels[slot] if slot < len(labels) else None
            cell = page[y0 + 1:y1 - 1, x0 + 1:x1 - 1]
            inked = bool((cell < INK).any())
            where = f"{family} {stock} page {page_number + 1} label {index + 1}"
            if record is None or record[4]:
                if inked:
                    faults.append(f"{where}: should be empty")
                continue
            if not inked:
                faults.append(f"{where}: empty, expected {record[0]!r}")
                continue
            first, last, narrow = bar_span(cell)
            narrows.add(narrow)
            wanted = ([" ".join(record[5].split())] if record[5] else []) + \
                ([" ".join(record[1].split())] if record[1] else [])
            if texts[page_number][index] != wanted:
                faults.append(f"{where}: text {texts[page_number][index]}, expected {wanted}")
            room = quiet * narrow - 2  # the crop lost a dot each side; allow one of rounding
            if first < room or cell.shape[1] - 1 - last < room:
                faults.append(f"{where}: quiet zone {first}/{cell.shape[1] - 1 - last} dots "
                              f"< {quiet} x {narrow}")
            if record[2] is not None and (page_number == 0 or slot % every == 0):
                path = f"{page_path[:-4]}-{index + 1}.pgm"
                write_pgm(path, cell)
                crops.append((path, where, record))
        if (page[outside] < INK).any():
            faults.append(f"{family} {stock} page {page_number + 1}: ink outside the labels")
    # One narrow bar for the whole run: a label's differs only by a raster dot.
    if narrows and max(narrows) - min(narrows) > 1:
        faults.append(f"{family} {stock}: narrow bars of {sorted(narrows)} dots")
    if crops:
        paths = [path for path, _, _ in crops]
        zbar, zxing = decoders.zbar(paths), decoders.zxing(paths)
        for path, where, (data, _, want_zbar, want_zxing, _, _) in crops:
            if [read[:2] for read in zbar[path]] != [want_zbar]:
                faults.append(f"{where}: zbar read {zbar[path]}, expected {want_zbar}")
            # An expectation names the symbology identifier where it tells something.
            if [read[:len(want_zxing)] for read in zxing[path]] != [want_zxing]:
                faults.append(f"{where}: zxing read {zxing[path]}, expected {want_zxing}")
    return faults


def check_one(args):
    family, stock, skip, copies, every, seed, piped = args
    with tempfile.TemporaryDirectory(prefix="zindra-sheets-") as folder:
        return check_family(family, stock, skip, copies, folder, seed, every, piped)


class SheetScan(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        missing = [tool for tool in TOOLS if not any(
            os.access(os.path.join(d, tool), os.X_OK) for d in os.environ["PATH"].split(os.pathsep))]
        if missing and os.environ.get("CI"):
            raise AssertionError(f"missing {missing}")
        if missing:
            raise unittest.SkipTest(f"missing {missing}")
        cls.folder = tempfile.TemporaryDirectory(prefix="zindra-sheets-")
        runtime = os.path.join(cls.folder.name, "runtime")
        os.mkdir(runtime, 0o700)
        os.environ["XDG_RUNTIME_DIR"] = runtime

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_every_label_of_every_family_scans_in_its_place(self):
        # The Letter run starts two labels in (a partly used sheet) and has every
        # label decoded; the A4 run prints every record twice, and past its first
        # sheet every third label is decoded, which keeps the test quick. A few
        # families also go onto a described sheet and a roll, the roll's list
        # through a pipe.
        jobs = [(family, stock, skip, copies, every, seed, False)
                for seed, family in enumerate(FAMILIES)
                for stock, skip, copies, every in (("5160", 2, 1, 1), ("a4-63.5x38.1", 0, 2, 3))]
        jobs += [("code128", CUSTOM, 1, 1, 4, 20, False), ("ean", CUSTOM, 0, 1, 4, 21, False),
                 ("code39", ROLL, 0, 1, 5, 22, True), ("upc", ROLL, 0, 1, 5, 23, True)]
        with concurrent.futures.ProcessPoolExecutor(max_workers=2) as pool:
            faults = [fault for found in pool.map(check_one, jobs) for fault in found]
        self.assertEqual(faults[:40], [], f"{len(faults)} faults")

    def test_faces_are_embedded_and_print_without_them_installed(self):
        folder = self.folder.name
        _, _, _, pages, pdf = run_sheet("code128", "5160", [], folder, 99)
        fonts = subprocess.run(["pdffonts", pdf], capture_output=True, text=True, check=True).stdout
        rows = [line.split() for line in fonts.splitlines()[2:]]
        names = [row[0] for row in rows]
        self.assertTrue(any(name.startswith("Tessary") for name in names), fonts)
        self.assertEqual(len(names), len(set(names)), "a face embedded twice:\n" + fonts)
        for row in rows:
            self.assertEqual(row[-5], "yes", "not embedded:\n" + fonts)
        # An empty font configuration: poppler can only use what the PDF carries.
        empty = os.path.join(folder, "empty-fonts.conf")
        with open(empty, "w", encoding="utf-8") as f:
            f.write("<?xml version='1.0'?><fontconfig></fontconfig>\n")
        bare = os.path.join(folder, "bare")
        subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", pdf, bare], check=True,
                       env={**os.environ, "FONTCONFIG_FILE": empty})
        bare_pages = sorted(p for p in os.listdir(folder) if p.startswith("bare-"))
        self.assertEqual(len(bare_pages), len(pages))
        for page, bare_page in zip(pages, bare_pages):
            self.assertTrue(numpy.array_equal(read_pgm(page), read_pgm(os.path.join(folder, bare_page))),
                            f"{bare_page} differs without the faces installed")

    def test_the_documented_example_prints_every_row(self):
        folder = self.folder.name
        pdf = os.path.join(folder, "labels.pdf")
        # The command of docs/mail-merge/README.md, with the paths of this tree.
        done = subprocess.run([ENCODER, "-s", "code128", "-v", "2", "--batch", EXAMPLE, "--sheet",
                               "5160", "--pdf", pdf], capture_output=True, text=True, check=False)
        self.assertEqual(done.returncode, 0, done.stderr)
        subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", pdf, os.path.join(folder, "example")],
                       check=True)
        page = read_pgm(os.path.join(folder, "example-1.pgm"))
        with open(EXAMPLE, encoding="utf-8") as f:
            wanted = [line.split(",")[0] for line in f.read().splitlines()]
        paths = []
        for index, (x0, y0, x1, y1) in enumerate(cells("5160")[:len(wanted)]):
            paths.append(os.path.join(folder, f"example-cell-{index}.pgm"))
            write_pgm(paths[-1], page[y0 + 1:y1 - 1, x0 + 1:x1 - 1])
        read = decoders.zbar(paths)
        self.assertEqual([[r[:2] for r in read[path]] for path in paths],
                         [[("CODE-128", data)] for data in wanted])


if __name__ == "__main__":
    unittest.main(verbosity=2)
