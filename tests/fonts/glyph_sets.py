"""The characters the encoders put into the sample line of each family's faces: read
from the engine's glyph map that zindra-glyph-map exports, and for Code 128ABC, whose
map the font generator owns, from its font-string rules."""
import collections

import harness


def _chars(*parts):
    out = set()
    for part in parts:
        out |= set(map(ord, part)) if isinstance(part, str) else set(part)
    return frozenset(out)


def _exported():
    """family -> symbol -> the character codes the engine writes for it"""
    symbols = collections.defaultdict(lambda: collections.defaultdict(set))
    with open(harness.GLYPH_MAP, encoding="utf-8") as f:
        for line in f:
            family, symbol, code = line.rstrip("\n").split("\t")
            symbols[family][symbol].add(int(code))
    return symbols


SYMBOLS = _exported()

EMITTED = {family: frozenset().union(*symbols.values()) for family, symbols in SYMBOLS.items()} | {
    # values 0..93 at 33..126, 94..102 and the starts and stop at 192..204, quotes' 205, 206
    "Code 128ABC": _chars(" ", range(33, 127), range(192, 207)),
}
