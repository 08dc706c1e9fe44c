"""The engine's glyph map, as zindra-glyph-map writes it: for each family whose
characters the encoder's tables place, the characters each symbol is drawn at.

    family <TAB> symbol <TAB> character code
"""
import collections

QUIET_ZONE = "quiet zone"


def read(path):
    """family -> {symbol: [character codes, ascending]}"""
    chars = collections.defaultdict(lambda: collections.defaultdict(list))
    with open(path, encoding="utf-8") as f:
        for line in f:
            family, symbol, code = line.rstrip("\n").split("\t")
            chars[family][symbol].append(int(code))
    return {family: {symbol: sorted(codes) for symbol, codes in symbols.items()}
            for family, symbols in chars.items()}


def codes_of(chars, symbol):
    """The characters of `symbol`; a symbol the generator draws but the engine never
    writes is an error in one of the two."""
    if symbol not in chars:
        raise KeyError(f"the engine's glyph map has no character for {symbol!r}")
    return chars[symbol]
