"""PostNet: five bars per digit, "(" and ")" the frame bars."""
import glyphs

# Digit -> its five bars, F full height, h half height.
PATTERNS = {
    "0": "FFhhh", "1": "hhhFF", "2": "hhFhF", "3": "hhFFh", "4": "hFhhF",
    "5": "hFhFh", "6": "hFFhh", "7": "FhhhF", "8": "FhhFh", "9": "FhFhh",
}
FRAME = "F"

BAR = 4    # grid units of a bar
PITCH = 9  # grid units from one bar to the next


def _bar_glyph(name, codes, symbol, pattern):
    g = glyphs.GlyphDef(name, tuple(codes), PITCH * len(pattern), symbol, pattern)
    for role, mark in (("tall", "F"), ("short", "h")):
        spans = tuple((i * PITCH, i * PITCH + BAR) for i, m in enumerate(pattern) if m == mark)
        if spans:
            g.bars.append(glyphs.Bars(spans, role))
    return g


def glyph_defs(chars):
    """chars: symbol -> the character codes the engine writes for it"""
    defs = [glyphs.quiet_space(2 * PITCH)]
    defs.append(_bar_glyph("frame_start", chars["frame start"], "frame bar", FRAME))
    defs.append(_bar_glyph("frame_end", chars["frame end"], "frame bar", FRAME))
    defs += [_bar_glyph(f"post_{d}", chars[d], d, p) for d, p in PATTERNS.items()]
    return defs
