"""Codabar: one glyph per symbol, at the characters the engine writes for it (each legal
character draws itself, the start/stop letters in either case)."""
import glyph_map
import glyphs
import runs

# Character -> its seven elements (bar first), n narrow, w wide.
PATTERNS = {
    "0": "nnnnnww", "1": "nnnnwwn", "2": "nnnwnnw", "3": "wwnnnnn", "4": "nnwnnwn",
    "5": "wnnnnwn", "6": "nwnnnnw", "7": "nwnnwnn", "8": "nwwnnnn", "9": "wnnwnnn",
    "-": "nnnwwnn", "$": "nnwwnnn", ":": "wnnnwnw", "/": "wnwnnnw", ".": "wnwnwnn",
    "+": "nnwnwnw", "A": "nnwwnwn", "B": "nwnwnnw", "C": "nnnwnww", "D": "nnnwwwn",
}

START_STOP = "ABCD"
GAP = 1
QUIET_ZONE = 10


def glyph_defs(human_readable, chars):
    """`chars`: symbol -> character codes, the engine's glyph map of the family."""
    defs = [glyphs.quiet_space(QUIET_ZONE)]
    for symbol, pattern in PATTERNS.items():
        codes = glyph_map.codes_of(chars, symbol)
        label = f"start/stop {symbol}" if symbol in START_STOP else symbol
        # The start/stop letters frame the data; only the data is printed under the bars.
        text = symbol if human_readable and symbol not in START_STOP else ""
        defs.append(glyphs.symbol_glyph(f"cbar_{ord(symbol):02x}", codes, label, pattern,
                                        runs.from_wide_narrow(pattern), gap=GAP, text=text))
    return defs
