"""EAN-13, EAN-8, UPC-A, UPC-E and their two- and five-digit add-ons.

Each digit set of the font strings is one range of characters:
lead "!".."*", A "A".."J", B "Q".."Z", C "0".."9", add-on A "a".."j", add-on B "q".."z".
"""
import glyphs
import runs

# Digit -> its seven modules: odd parity (L), even parity (G) and right-hand (R).
L_CODES = ("0001101", "0011001", "0010011", "0111101", "0100011",
           "0110001", "0101111", "0111011", "0110111", "0001011")
G_CODES = ("0100111", "0110011", "0011011", "0100001", "0011101",
           "0111001", "0000101", "0010001", "0001001", "0010111")
R_CODES = ("1110010", "1100110", "1101100", "1000010", "1011100",
           "1001110", "1010000", "1000100", "1001000", "1110100")

NORMAL_GUARD = "101"
CENTRE_GUARD = "01010"
UPCE_END_GUARD = "010101"
ADDON_START = "1011"
ADDON_DELINEATOR = "01"

# First character of each digit set of the font strings.
SET_START = {"lead": "!", "A": "A", "B": "Q", "C": "0", "addon A": "a", "addon B": "q"}
SET_CODES = {"A": L_CODES, "B": G_CODES, "C": R_CODES, "addon A": L_CODES, "addon B": G_CODES}

EAN13_LEAD_AREA = 11   # the left quiet zone, which holds the first digit
OUTSIDE_AREA = 7       # room for a UPC digit printed outside the guards
ADDON_GAP = 9          # blank modules between a symbol and its add-on (7 to 12 allowed)


def _char(set_name, digit):
    return ord(SET_START[set_name]) + digit


def _digit_glyph(prefix, set_name, digit, role="bar", place="below"):
    modules = SET_CODES[set_name][digit]
    return glyphs.symbol_glyph(f"{prefix}_{set_name.replace(' ', '')}{digit}",
                               [_char(set_name, digit)], f"{digit} in set {set_name}", modules,
                               runs.from_modules(modules), role=role, text=str(digit), place=place)


def _guard_glyph(name, char, symbol, modules, role="guard"):
    return glyphs.symbol_glyph(name, [ord(char)], symbol, modules, runs.from_modules(modules), role=role)


def _outside_glyph(name, char, symbol, modules, text, text_center, place="small"):
    """Bars at guard length with a digit standing outside them."""
    g = glyphs.symbol_glyph(name, [char], symbol, modules, runs.from_modules(modules), role="guard")
    g.texts.append(glyphs.Text(text, text_center, place))
    return g


def _addon_glyphs(prefix):
    defs = [_guard_glyph(f"{prefix}_addon_start", "/", "add-on start", ADDON_START, "addon"),
            _guard_glyph(f"{prefix}_addon_delineator", ".", "add-on delineator", ADDON_DELINEATOR,
                         "addon")]
    for set_name in ("addon A", "addon B"):
        defs += [_digit_glyph(prefix, set_name, d, role="addon", place="above") for d in range(10)]
    return defs


def _sets(prefix, set_names):
    return [_digit_glyph(prefix, s, d) for s in set_names for d in range(10)]


def ean_glyph_defs():
    blank_lead = "0" * EAN13_LEAD_AREA
    defs = [glyphs.quiet_space(ADDON_GAP)]
    defs += [_outside_glyph(f"ean_lead{d}", _char("lead", d), f"EAN-13 first digit {d} + left guard",
                            blank_lead + NORMAL_GUARD, str(d), EAN13_LEAD_AREA - 4, place="below")
             for d in range(10)]
    defs += [_guard_glyph("ean_left", "[", "left guard", NORMAL_GUARD),
             _guard_glyph("ean_centre", "|", "centre guard", CENTRE_GUARD),
             _guard_glyph("ean_right", "]", "right guard", NORMAL_GUARD)]
    return defs + _sets("ean", ("A", "B", "C")) + _addon_glyphs("ean")


def upca_glyph_defs():
    area = "0" * OUTSIDE_AREA
    # The check glyph's digit stands outside, so the space only makes up the add-on gap.
    defs = [glyphs.quiet_space(ADDON_GAP - OUTSIDE_AREA)]
    defs += [_outside_glyph(f"upca_lead{d}", _char("lead", d),
                            f"first digit {d}: outside, left guard, set A bars",
                            area + NORMAL_GUARD + L_CODES[d], str(d), OUTSIDE_AREA / 2)
             for d in range(10)]
    defs += [_outside_glyph(f"upca_check{d}", _char("B", d),
                            f"check digit {d}: right-hand bars, right guard, outside",
                            R_CODES[d] + NORMAL_GUARD + area, str(d), 10 + OUTSIDE_AREA / 2)
             for d in range(10)]
    defs.append(_guard_glyph("upca_centre", "|", "centre guard", CENTRE_GUARD))
    return defs + _sets("upca", ("A", "C")) + _addon_glyphs("upca")


def upce_glyph_defs():
    area = "0" * OUTSIDE_AREA
    defs = [glyphs.quiet_space(ADDON_GAP),
            _outside_glyph("upce_left", ord("["), "number system 0 outside + left guard",
                           area + NORMAL_GUARD, "0", OUTSIDE_AREA / 2),
            _guard_glyph("upce_right", "]", "UPC-E right guard", UPCE_END_GUARD)]
    defs += _sets("upce", ("A", "B"))
    for d in range(10):
        g = glyphs.blank_glyph(f"upce_check{d}", [_char("C", d)], OUTSIDE_AREA,
                               f"check digit {d}, printed outside")
        g.texts.append(glyphs.Text(str(d), OUTSIDE_AREA / 2, "small"))
        defs.append(g)
    return defs + _addon_glyphs("upce")
