"""What Calc hands an add-in function, as the text and flags zindra.encode()
takes: a cell's text as it is, a number as its digits, an empty cell or a
left-out argument as nothing."""

import math
from typing import Any


class CellError(ValueError):
    """An argument no bar code can be made from; the text says why."""


def _single(value: Any, what: str) -> Any:
    # A range arrives as rows of cells; one cell of it is still one value.
    if isinstance(value, tuple):
        if len(value) == 1 and isinstance(value[0], tuple) and len(value[0]) == 1:
            return value[0][0]
        raise CellError(f"{what} must be one cell, not a range")
    return value


def text(value: Any, what: str) -> str:
    """A cell's text; a number as the digits it was typed with.

    A GTIN typed as a number reaches the add-in as a float: its digits are
    written out whole, never as 4.00638133393E+12. A leading zero the
    number has already lost is not guessed back: such codes belong in text
    cells."""
    value = _single(value, what)
    if value is None:
        return ""
    if isinstance(value, str):
        return value
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, (int, float)):
        if not math.isfinite(value) or value != math.floor(value):
            raise CellError(f"{what} {value!r} is not a whole number: "
                            "store codes with decimals as text")
        return "%d" % value
    raise CellError(f"{what} cannot be read as text")


def add_on(value: Any, what: str) -> str:
    """A supplement or price: like text(), but 0 is none. Calc hands an
    empty cell to the add-in as the number 0, and no add-on is a single
    digit, so a column of add-ons may have gaps."""
    read = text(value, what)
    return "" if read == "0" and not isinstance(_single(value, what), str) else read


def flag(value: Any, what: str) -> bool:
    """TRUE or FALSE (Calc's logical values are the numbers 1 and 0); left
    out is FALSE."""
    value = _single(value, what)
    if value is None or value == "":
        return False
    if isinstance(value, (bool, int, float)):
        return bool(value)
    raise CellError(f"{what} must be TRUE or FALSE, not {value!r}")
