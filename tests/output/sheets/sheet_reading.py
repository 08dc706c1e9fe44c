"""What the sheet scan reads back from a sheet's PDF: the text lines of each label
from poppler's word boxes, and the bars' span and narrow bar along one raster row."""
import html
import re
import subprocess

import numpy

DPI = 300
INK = 128


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


def bar_span(cell):
    """First and last ink column and the narrowest run, along a row through the bars."""
    rows = numpy.nonzero((cell < INK).any(axis=1))[0]
    line = cell[rows[0] + 2] < INK
    columns = numpy.nonzero(line)[0]
    first, last = columns[0], columns[-1]
    changes = numpy.nonzero(numpy.diff(line[first:last + 1].astype(numpy.int8)))[0]
    runs = numpy.diff(numpy.concatenate(([-1], changes, [last - first])))
    return first, last, int(runs.min())
