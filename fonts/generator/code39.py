"""Code 39: one glyph per symbol character, at the character the engine writes for it."""
import glyph_map
import glyphs
import runs

# Symbol character -> its nine elements (bar first), n narrow, w wide.
PATTERNS = {
    "0": "nnnwwnwnn", "1": "wnnwnnnnw", "2": "nnwwnnnnw", "3": "wnwwnnnnn",
    "4": "nnnwwnnnw", "5": "wnnwwnnnn", "6": "nnwwwnnnn", "7": "nnnwnnwnw",
    "8": "wnnwnnwnn", "9": "nnwwnnwnn", "A": "wnnnnwnnw", "B": "nnwnnwnnw",
    "C": "wnwnnwnnn", "D": "nnnnwwnnw", "E": "wnnnwwnnn", "F": "nnwnwwnnn",
    "G": "nnnnnwwnw", "H": "wnnnnwwnn", "I": "nnwnnwwnn", "J": "nnnnwwwnn",
    "K": "wnnnnnnww", "L": "nnwnnnnww", "M": "wnwnnnnwn", "N": "nnnnwnnww",
    "O": "wnnnwnnwn", "P": "nnwnwnnwn", "Q": "nnnnnnwww", "R": "wnnnnnwwn",
    "S": "nnwnnnwwn", "T": "nnnnwnwwn", "U": "wwnnnnnnw", "V": "nwwnnnnnw",
    "W": "wwwnnnnnn", "X": "nwnnwnnnw", "Y": "wwnnwnnnn", "Z": "nwwnwnnnn",
    "-": "nwnnnnwnw", ".": "wwnnnnwnn", " ": "nwwnnnwnn", "$": "nwnwnwnnn",
    "/": "nwnwnnnwn", "+": "nwnnnwnwn", "%": "nnnwnwnwn", "*": "nwnnwnwnn",
}

# Every character is followed by a narrow inter-character gap.
GAP = 1
QUIET_ZONE = 10


def glyph_defs(human_readable, chars):
    """`chars`: symbol -> character codes, the engine's glyph map of the family."""
    defs = [glyphs.quiet_space(QUIET_ZONE)]
    for symbol, pattern in PATTERNS.items():
        codes = glyph_map.codes_of(chars, symbol)
        text = symbol.strip() if human_readable else ""
        label = "space" if symbol == " " else ("start/stop" if symbol == "*" else symbol)
        defs.append(glyphs.symbol_glyph(f"c39_{codes[0]:02x}", codes, label, pattern,
                                        runs.from_wide_narrow(pattern), gap=GAP, text=text))
    return defs
