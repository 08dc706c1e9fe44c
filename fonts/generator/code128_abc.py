"""Code 128 in one family: every symbol value of every subset (the three starts,
values 0 to 102 and the stop), so that a symbol that switches subsets is one font
string in one font. The encoder works in symbol values; this map alone turns them
into characters (the engine's copy is generated from it).
"""
import code128
import glyphs
import runs

FIRST_LOW, FIRST_HIGH = 33, 192
LOW_VALUES = 127 - FIRST_LOW   # "!" to "~" carry the values 0 to 93


def _char(value):
    """Values 0..93 at "!".."~", 94..102 at 192..200, the starts A, B, C at 201..203,
    the stop at 204: inside the characters the other faces use, and never the space,
    which word processors trim and stretch."""
    return FIRST_LOW + value if value < LOW_VALUES else FIRST_HIGH + value - LOW_VALUES


CHARS = tuple(_char(v) for v in range(len(code128.PATTERNS)))

# Word processors curl a typed quote or apostrophe, which then no longer draws its
# symbol; "No quotes?" writes these values with the alternative characters instead.
QUOTE_SUBSTITUTES = {CHARS.index(ord('"')): 205, CHARS.index(ord("'")): 206}

NAMES = {96: "FNC3", 97: "FNC2", 98: "Shift", 99: "Code C (A, B)",
         100: "Code B (A, C) / FNC4 (B)", 101: "FNC4 (A) / Code A (B, C)", 102: "FNC1",
         **code128.FRAME_NAMES}


def glyph_defs():
    defs = [glyphs.quiet_space(code128.QUIET_ZONE)]
    for value, pattern in enumerate(code128.PATTERNS):
        chars = [CHARS[value]] + ([QUOTE_SUBSTITUTES[value]] if value in QUOTE_SUBSTITUTES else [])
        defs.append(glyphs.symbol_glyph(f"c128_{value:03d}", chars,
                                        NAMES.get(value, f"value {value}"), pattern,
                                        runs.from_widths(pattern)))
    return defs
