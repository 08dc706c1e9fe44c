"""Interleaved 2 of 5 and ITF-14: one glyph per digit pair, the first digit in the
bars and the second in the spaces, each at the character the engine writes for it."""
import glyph_map
import glyphs
import runs

# Digit -> its five elements, n narrow, w wide.
DIGITS = {
    "0": "nnwwn", "1": "wnnnw", "2": "nwnnw", "3": "wwnnn", "4": "nnwnw",
    "5": "wnwnn", "6": "nwwnn", "7": "nnnww", "8": "wnnwn", "9": "nwnwn",
}
START = "nnnn"   # bar, space, bar, space
STOP = "wnn"     # bar, space, bar

QUIET_ZONE = 10
# Inside the closed box the quiet zone is bounded by the box side: 2 modules over
# the 10-module minimum keep it wide enough for a reader that measures the narrow
# bar from a start pattern widened by rounding to whole dots.
BOX_QUIET_ZONE = 12


def pair_pattern(pair):
    bars, spaces = DIGITS[pair[0]], DIGITS[pair[1]]
    return "".join(b + s for b, s in zip(bars, spaces))


def _with_bearers(g):
    frame = ((0, g.advance),)
    g.bars += [glyphs.Bars(frame, "bearer_top"), glyphs.Bars(frame, "bearer_bottom")]
    return g


def glyph_defs(human_readable, chars, bearer=0, closed_box=False):
    """`chars`: symbol -> character codes, the engine's glyph map of the family;
    `bearer` is the bearer thickness in modules (0 for none), also the box sides' width."""
    def codes(symbol):
        return glyph_map.codes_of(chars, symbol)

    defs = [glyphs.symbol_glyph("itf_start", codes("start"), "start", START,
                                runs.from_wide_narrow(START)),
            glyphs.symbol_glyph("itf_stop", codes("stop"), "stop", STOP,
                                runs.from_wide_narrow(STOP))]
    for value in range(100):
        pair = f"{value:02d}"
        pattern = pair_pattern(pair)
        defs.append(glyphs.symbol_glyph(f"itf_{pair}", codes(pair), f"pair {pair}", pattern,
                                        runs.from_wide_narrow(pattern),
                                        text=pair if human_readable else ""))
    if closed_box:
        # "~" is the quiet zone inside the box, "|" a vertical side of it.
        defs.append(glyphs.blank_glyph("itf_quiet", codes("quiet zone in the box"), BOX_QUIET_ZONE,
                                       "quiet zone in the box"))
        side = glyphs.GlyphDef("itf_side", tuple(codes("box side")), bearer, "box side", "",
                               [glyphs.Bars(((0, bearer),), "side")])
    if bearer:
        defs = [_with_bearers(g) for g in defs]
    if closed_box:
        defs.append(side)
    return [glyphs.quiet_space(QUIET_ZONE)] + defs
