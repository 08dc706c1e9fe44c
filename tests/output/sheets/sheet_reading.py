"""What the sheet scan reads back from a sheet's PDF: its rasters (PGM in and
out), the text lines of each label from poppler's word boxes, the decoders'
readings of many label crops at once, and the bars' span and narrow bar along
one raster row."""
import base64
import html
import re
import subprocess
import xml.etree.ElementTree as ElementTree

import numpy

DPI = 300
INK = 128
ZBAR_NS = "{http://zbar.sourceforge.net/2008/barcode}"


def read_pgm(path):
    with open(path, "rb") as f:
        raw = f.read()
    head = raw.split(b"\n", 3)
    width, height = map(int, head[1].split())
    return numpy.frombuffer(head[3], dtype=numpy.uint8).reshape(height, width)


def write_pgm(path, image):
    with open(path, "wb") as f:
        f.write(b"P5\n%d %d\n255\n" % (image.shape[1], image.shape[0]) + image.tobytes())


WORD = re.compile(r'<page width|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                  r'yMax="([\d.]+)">(.*?)</word>')


def text_lines(pdf, grid):
    """For each page, for each label of `grid` ((x0, y0, x1, y1) in dots): its text
    lines under the bar code, top to bottom, each the words of one baseline joined by
    spaces."""
    done = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True,
                          check=True)
    pages = []
    for match in WORD.finditer(done.stdout):
        if match.group(1) is None:
            pages.append([[] for _ in grid])
            continue
        x0, y0, x1, y1 = (float(match.group(i)) * DPI / 72 for i in range(1, 5))
        for index, (cx0, cy0, cx1, cy1) in enumerate(grid):
            if cx0 <= (x0 + x1) / 2 < cx1 and cy0 <= (y0 + y1) / 2 < cy1:
                pages[-1][index].append((y0, y1, x0, html.unescape(match.group(5))))
    result = []
    for page in pages:
        labels = []
        for words in page:
            # The bar code is the tallest word, set far larger than any text.
            words.sort(key=lambda w: w[0] - w[1])
            lines = {}
            for y0, _, x0, word in words[1:]:
                lines.setdefault(round(y0, 1), []).append((x0, word))
            labels.append([" ".join(w for _, w in sorted(lines[y])) for y in sorted(lines)])
        result.append(labels)
    return result


def _zbar_data(element):
    # Data with control characters (GS1's separators among them) comes base64-encoded.
    if element.get("format") == "base64":
        return base64.b64decode(element.text).decode("latin-1")
    return element.text


def zbar_all(paths):
    """{path: [(symbol type, data)]}"""
    done = subprocess.run(["zbarimg", "--nodbus", "--xml", *paths], capture_output=True, check=False)
    found = {path: [] for path in paths}
    for source in ElementTree.fromstring(done.stdout).iter(ZBAR_NS + "source"):
        found[source.get("href")] = [(s.get("type"), _zbar_data(s.find(ZBAR_NS + "data")))
                                     for s in source.iter(ZBAR_NS + "symbol")]
    return found


def zxing_all(paths):
    """{path: [(format, bytes as latin-1 text, symbology identifier)]}"""
    done = subprocess.run(["ZXingReader", "-noscale", *paths], capture_output=True, text=True,
                          errors="replace", check=False)
    found, path, fields = {path: [] for path in paths}, None, {}
    for line in done.stdout.splitlines() + [""]:
        key, _, value = line.partition(":")
        if not line.strip():
            if path in found and "Format" in fields:
                found[path].append((fields["Format"], bytes.fromhex(fields.get("Bytes", ""))
                                    .decode("latin-1"), fields.get("Identifier", "")))
            fields = {}
        elif key.strip() == "File":
            path = value.strip()
        else:
            fields[key.strip()] = value.strip()
    return found


def bar_span(cell):
    """First and last ink column and the narrowest run, along a row through the bars."""
    rows = numpy.nonzero((cell < INK).any(axis=1))[0]
    line = cell[rows[0] + 2] < INK
    columns = numpy.nonzero(line)[0]
    first, last = columns[0], columns[-1]
    changes = numpy.nonzero(numpy.diff(line[first:last + 1].astype(numpy.int8)))[0]
    runs = numpy.diff(numpy.concatenate(([-1], changes, [last - first])))
    return first, last, int(runs.min())
