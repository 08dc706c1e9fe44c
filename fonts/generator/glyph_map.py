"""The engine's glyph map, as zindra-list-faces writes it: for each family whose
characters the encoder's tables place, the character each symbol is drawn at.

    family <TAB> symbol <TAB> character code
"""
import collections

QUIET_ZONE = "quiet zone"


def read(path):
    """family -> {symbol: character code}"""
    chars = collections.defaultdict(dict)
    with open(path, encoding="utf-8") as f:
        for line in f:
            family, symbol, code = line.rstrip("\n").split("\t")
            chars[family][symbol] = int(code)
    return dict(chars)


def code_of(chars, symbol):
    """The character of `symbol`; a symbol the generator draws but the engine never
    writes is an error in one of the two."""
    if symbol not in chars:
        raise KeyError(f"the engine's glyph map has no character for {symbol!r}")
    return chars[symbol]
