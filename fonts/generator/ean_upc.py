"""EAN-13, EAN-8, UPC-A, UPC-E and their two- and five-digit add-ons, each glyph at
the character the engine writes for it: digit d of set S is the symbol "S d" of the
engine's glyph map (sets lead, A, B, C, addon A, addon B)."""
import glyph_map
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

SET_CODES = {"A": L_CODES, "B": G_CODES, "C": R_CODES, "addon A": L_CODES, "addon B": G_CODES}

EAN13_LEAD_AREA = 11   # the left quiet zone, which holds the first digit
OUTSIDE_AREA = 7       # room for a UPC digit printed outside the guards
ADDON_GAP = 9          # blank modules between a symbol and its add-on (7 to 12 allowed)


class _Glyphs:
    """Makes one family's glyphs, each at the characters of its symbol in `chars`, the
    engine's glyph map of the family (symbol -> character codes)."""

    def __init__(self, prefix, chars):
        self.prefix = prefix
        self.chars = chars

    def codes(self, symbol):
        return glyph_map.codes_of(self.chars, symbol)

    def digit(self, set_name, digit, role="bar", place="below"):
        modules = SET_CODES[set_name][digit]
        return glyphs.symbol_glyph(f"{self.prefix}_{set_name.replace(' ', '')}{digit}",
                                   self.codes(f"{set_name} {digit}"), f"{digit} in set {set_name}",
                                   modules, runs.from_modules(modules), role=role, text=str(digit),
                                   place=place)

    def guard(self, name, symbol, modules, label=None, role="guard"):
        return glyphs.symbol_glyph(f"{self.prefix}_{name}", self.codes(symbol), label or symbol,
                                   modules, runs.from_modules(modules), role=role)

    def outside(self, name, symbol, label, modules, text, text_center, place="small"):
        """Bars at guard length with a digit standing outside them."""
        g = self.guard(name, symbol, modules, label)
        g.texts.append(glyphs.Text(text, text_center, place))
        return g

    def addons(self):
        defs = [self.guard("addon_start", "add-on start", ADDON_START, role="addon"),
                self.guard("addon_delineator", "add-on delineator", ADDON_DELINEATOR, role="addon")]
        for set_name in ("addon A", "addon B"):
            defs += [self.digit(set_name, d, role="addon", place="above") for d in range(10)]
        return defs

    def sets(self, set_names):
        return [self.digit(s, d) for s in set_names for d in range(10)]


def ean_glyph_defs(chars):
    make = _Glyphs("ean", chars)
    blank_lead = "0" * EAN13_LEAD_AREA
    defs = [glyphs.quiet_space(ADDON_GAP)]
    defs += [make.outside(f"lead{d}", f"lead {d}", f"EAN-13 first digit {d} + left guard",
                          blank_lead + NORMAL_GUARD, str(d), EAN13_LEAD_AREA - 4, place="below")
             for d in range(10)]
    defs += [make.guard("left", "left guard", NORMAL_GUARD),
             make.guard("centre", "centre guard", CENTRE_GUARD),
             make.guard("right", "right guard", NORMAL_GUARD)]
    return defs + make.sets(("A", "B", "C")) + make.addons()


def upca_glyph_defs(chars):
    make = _Glyphs("upca", chars)
    area = "0" * OUTSIDE_AREA
    # The check glyph's digit stands outside, so the space only makes up the add-on gap.
    defs = [glyphs.quiet_space(ADDON_GAP - OUTSIDE_AREA)]
    defs += [make.outside(f"lead{d}", f"lead {d}", f"first digit {d}: outside, left guard, set A bars",
                          area + NORMAL_GUARD + L_CODES[d], str(d), OUTSIDE_AREA / 2)
             for d in range(10)]
    # The engine writes the check digit from set B, which UPC-A has no other use for.
    defs += [make.outside(f"check{d}", f"B {d}",
                          f"check digit {d}: right-hand bars, right guard, outside",
                          R_CODES[d] + NORMAL_GUARD + area, str(d), 10 + OUTSIDE_AREA / 2)
             for d in range(10)]
    defs.append(make.guard("centre", "centre guard", CENTRE_GUARD))
    return defs + make.sets(("A", "C")) + make.addons()


def upce_glyph_defs(chars):
    make = _Glyphs("upce", chars)
    area = "0" * OUTSIDE_AREA
    defs = [glyphs.quiet_space(ADDON_GAP),
            make.outside("left", "left guard", "number system 0 outside + left guard",
                         area + NORMAL_GUARD, "0", OUTSIDE_AREA / 2),
            make.guard("right", "right guard", UPCE_END_GUARD, "UPC-E right guard")]
    defs += make.sets(("A", "B"))
    # The engine writes the check digit from set C, drawn as its text alone.
    for d in range(10):
        g = glyphs.blank_glyph(f"upce_check{d}", make.codes(f"C {d}"), OUTSIDE_AREA,
                               f"check digit {d}, printed outside")
        g.texts.append(glyphs.Text(str(d), OUTSIDE_AREA / 2, "small"))
        defs.append(g)
    return defs + make.addons()
