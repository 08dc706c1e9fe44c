"""Bar/space runs from the three notations the symbology standards use.

A run list is a sequence of (is_bar, width in modules), always starting with a bar
unless the notation itself starts with a space (EAN module strings do).
"""

# Wide elements of the two-width symbologies (Code 39, Codabar, Interleaved 2 of 5):
# the top of the permitted 2:1 to 3:1 range leaves the most margin for print gain.
WIDE = 3


def from_widths(widths):
    """Element widths alternating bar, space, bar, ...: "131112" (Code 93, Code 128)."""
    return [(i % 2 == 0, int(w)) for i, w in enumerate(widths)]


def from_wide_narrow(pattern):
    """Elements alternating bar, space, ... as "n" narrow and "w" wide: "nnnwwnwnn"."""
    return [(i % 2 == 0, WIDE if e == "w" else 1) for i, e in enumerate(pattern)]


def from_modules(modules):
    """One character per module, "1" bar and "0" space: "0001101" (EAN/UPC)."""
    runs = []
    for m in modules:
        is_bar = m == "1"
        if runs and runs[-1][0] == is_bar:
            runs[-1] = (is_bar, runs[-1][1] + 1)
        else:
            runs.append((is_bar, 1))
    return runs


def width(runs):
    return sum(w for _, w in runs)


def bar_spans(runs, start=0):
    """The (left, right) module edges of each bar of `runs` laid out from `start`."""
    spans, x = [], start
    for is_bar, w in runs:
        if is_bar:
            spans.append((x, x + w))
        x += w
    return spans
