"""What one glyph of a bar-code face is made of, in modules of its face.

A family builds a list of GlyphDef; the face metrics then turn the roles of its bars
and the places of its texts into font units (see outline.py).
"""
from dataclasses import dataclass, field

import runs as runlib


@dataclass(frozen=True)
class Bars:
    spans: tuple  # (left, right) module edges
    role: str     # the vertical extent: a key of FaceMetrics.roles


@dataclass(frozen=True)
class Text:
    text: str
    center: float  # modules from the glyph origin
    place: str     # "below", "small" (outside digit of UPC) or "above" (add-on digits)


@dataclass
class GlyphDef:
    name: str
    codes: tuple      # the code points the cmap sends here
    advance: int      # modules, inter-character gap included
    symbol: str       # what the glyph stands for, for the glyph-map tables
    pattern: str = "" # the bar/space pattern in the standard's own notation
    bars: list = field(default_factory=list)
    texts: list = field(default_factory=list)


def symbol_glyph(name, codes, symbol, pattern, runs, role="bar", gap=0, text="", place="below"):
    """A glyph that draws one run list from its origin, then `gap` blank modules."""
    width = runlib.width(runs)
    g = GlyphDef(name, tuple(codes), width + gap, symbol, pattern,
                 [Bars(tuple(runlib.bar_spans(runs)), role)])
    if text:
        g.texts.append(Text(text, width / 2, place))
    return g


def blank_glyph(name, codes, advance, symbol):
    return GlyphDef(name, tuple(codes), advance, symbol, "")


def quiet_space(advance):
    """The space the samples end with: a blank quiet zone."""
    return blank_glyph("space", [0x20], advance, "quiet zone")
