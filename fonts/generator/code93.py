"""Code 93: one glyph per symbol character, at the character the engine writes for it;
the stop carries the termination bar."""
import glyph_map
import glyphs
import runs

# Symbol -> its six element widths (bar first), nine modules in all.
# "($)", "(%)", "(/)", "(+)" are the four shift symbols.
PATTERNS = {
    "0": "131112", "1": "111213", "2": "111312", "3": "111411", "4": "121113",
    "5": "121212", "6": "121311", "7": "111114", "8": "131211", "9": "141111",
    "A": "211113", "B": "211212", "C": "211311", "D": "221112", "E": "221211",
    "F": "231111", "G": "112113", "H": "112212", "I": "112311", "J": "122112",
    "K": "132111", "L": "111123", "M": "111222", "N": "111321", "O": "121122",
    "P": "131121", "Q": "212112", "R": "212211", "S": "211122", "T": "211221",
    "U": "221121", "V": "222111", "W": "112122", "X": "112221", "Y": "122121",
    "Z": "123111", "-": "121131", ".": "311112", " ": "311211", "$": "321111",
    "/": "112131", "+": "113121", "%": "211131", "($)": "121221", "(%)": "312111",
    "(/)": "311121", "(+)": "122211", "start": "111141", "stop": "1111411",
}

QUIET_ZONE = 10


def glyph_defs(human_readable, chars):
    """`chars`: symbol -> character codes, the engine's glyph map of the family."""
    defs = [glyphs.quiet_space(QUIET_ZONE)]
    for symbol, pattern in PATTERNS.items():
        codes = glyph_map.codes_of(chars, symbol)
        shown = human_readable and len(symbol) == 1 and symbol != " "
        label = "space" if symbol == " " else symbol
        defs.append(glyphs.symbol_glyph(f"c93_{codes[0]:02x}", codes, label, pattern,
                                        runs.from_widths(pattern), text=symbol if shown else ""))
    return defs
