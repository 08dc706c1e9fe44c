"""Codabar: every legal character, start/stop letters in either case, draws itself."""
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


def glyph_defs(human_readable):
    defs = [glyphs.quiet_space(QUIET_ZONE)]
    for symbol, pattern in PATTERNS.items():
        codes = [ord(symbol)]
        label = symbol
        if symbol in START_STOP:
            codes.append(ord(symbol.lower()))
            label = f"start/stop {symbol}"
        # The start/stop letters frame the data; only the data is printed under the bars.
        text = symbol if human_readable and symbol not in START_STOP else ""
        defs.append(glyphs.symbol_glyph(f"cbar_{ord(symbol):02x}", codes, label, pattern,
                                        runs.from_wide_narrow(pattern), gap=GAP, text=text))
    return defs
