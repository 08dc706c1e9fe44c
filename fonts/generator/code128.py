"""Code 128: the subset A/B font and the subset C font.

Both fonts hold the same 107 symbols (values 0 to 102, the three starts and the stop);
they differ in which character draws which value. Each glyph sits at the characters
the engine writes for it: value v is the symbol "value v" of the engine's glyph map.
"""
import glyph_map
import glyphs
import runs

# Symbol value -> its six element widths (bar first), eleven modules; the stop has
# seven elements, its final bar being the termination bar.
PATTERNS = (
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312",
    "132212", "221213", "221312", "231212", "112232", "122132", "122231", "113222",
    "123122", "123221", "223211", "221132", "221231", "213212", "223112", "312131",
    "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321",
    "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121",
    "313121", "211331", "231131", "213113", "213311", "213131", "311123", "311321",
    "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224",
    "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113",
    "114311", "411113", "411311", "113141", "114131", "311141", "411131", "211412",
    "211214", "211232", "2331112",
)

START_A, START_B, START_C, STOP = 103, 104, 105, 106

FRAME_NAMES = {START_A: "Start A", START_B: "Start B", START_C: "Start C", STOP: "Stop"}
AB_NAMES = {96: "FNC3", 97: "FNC2", 98: "Shift", 99: "Code C", 100: "Code B (A) / FNC4 (B)",
            101: "FNC4 (A) / Code A (B)", 102: "FNC1"}
C_NAMES = {100: "Code B", 101: "Code A", 102: "FNC1"}

# Windows-1252 puts other characters where Latin-1 has its C1 controls 128..159; a word
# processor that reads our 8-bit string through that code page looks these up instead.
CP1252_ALIASES = {c: ord(bytes([c]).decode("cp1252")) for c in range(128, 160)
                  if c not in (0x81, 0x8D, 0x8F, 0x90, 0x9D)}

QUIET_ZONE = 10


def _ab_symbol(value):
    return AB_NAMES.get(value) or FRAME_NAMES.get(value) or f"value {value}"


def _ab_text(value):
    return chr(32 + value).strip() if value < 95 else ""


def _c_symbol(value):
    return C_NAMES.get(value) or FRAME_NAMES.get(value) or f"pair {value:02d}"


def _c_text(value):
    return f"{value:02d}" if value < 100 else ""


SUBSETS = {"AB": (_ab_symbol, _ab_text), "C": (_c_symbol, _c_text)}


def _codes(value, chars, other_chars):
    """A value's characters in this font; a start the font holds but its own subset
    never writes sits where the other subset's font has it."""
    if value in FRAME_NAMES and FRAME_NAMES[value] not in chars:
        return glyph_map.codes_of(other_chars, FRAME_NAMES[value])
    return glyph_map.codes_of(chars, FRAME_NAMES.get(value, f"value {value}"))


def glyph_defs(subset, human_readable, chars, other_chars):
    """`chars`: symbol -> character codes, the engine's glyph map of the family;
    `other_chars` that of the other subset's family."""
    value_symbol, value_text = SUBSETS[subset]
    defs = [glyphs.quiet_space(QUIET_ZONE)]
    for value, pattern in enumerate(PATTERNS):
        chars_of_value = sorted(_codes(value, chars, other_chars))
        chars_of_value += [CP1252_ALIASES[c] for c in chars_of_value if c in CP1252_ALIASES]
        symbol = value_symbol(value)
        text = value_text(value) if human_readable and value < START_A else ""
        defs.append(glyphs.symbol_glyph(f"c128_{value:03d}", chars_of_value, symbol, pattern,
                                        runs.from_widths(pattern), text=text))
    return defs
