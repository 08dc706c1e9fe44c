"""zindra.encode(): a request in Python's terms, answered through
zindra_make()."""

import ctypes
from dataclasses import dataclass
from typing import Any, Dict, Optional, Union

from ._native import Request, Result, lib

# How zindra_encode() words a request it refuses, so that a word refused here
# reads as it would in a --requests answer.
_BAD_REQUEST = "bad request: "


class EncodeError(ValueError):
    """The data did not encode, or the request itself was wrong.

    `message` is the engine's text ("Error, there are no digits to bar
    code"); `data_text` the data as the engine left it (Bookland writes back
    its digits), "" when the request was refused before the data was read.
    """

    def __init__(self, message: str, data_text: str = "") -> None:
        super().__init__(message)
        self.message = message
        self.data_text = data_text


@dataclass(frozen=True, slots=True)
class Answer:
    """What one encoded request gives: the fields of a --requests answer.

    Attributes:
        font_string            The characters to set in `face`.
        sums_text              The checksum line of Code 93 and Code 128, when asked for.
        bar_text_out           font_string followed by sums_text.
        sample_text            What the window's sample shows.
        sample_size            The point size the sample is set at.
        output_text_size       Code 93's output text size; None for the other symbologies.
        human_text             The SCC-14 / SSCC-18 human-readable line.
        face                   The face to set the font string in.
        x_dimension_mm         The narrow bar at sample_size, in mm.
        width_mm               The symbol with its quiet zones, in mm.
        height_mm              The top of the bars to the foot of the text, in mm.
        magnification_percent  EAN and UPC: X against 0.33 mm; None for the others.
        warning                A plain warning on the printed size; "" when none.
        data_text              The data after Make (Bookland writes back its digits).
    """

    font_string: str
    sums_text: str
    bar_text_out: str
    sample_text: str
    sample_size: int
    output_text_size: Optional[int]
    human_text: str
    face: str
    x_dimension_mm: float
    width_mm: float
    height_mm: float
    magnification_percent: Optional[float]
    warning: str
    data_text: str


def _utf8(text: str) -> bytes:
    # Lone surrogates pass through as the bytes they would be, so that the
    # library refuses them as invalid UTF-8 with its own message.
    return text.encode("utf-8", "surrogatepass")


def _c_text(text: str) -> bytes:
    # A C string cannot carry a NUL, and no choice word or point size
    # contains one: a replacement character keeps the text one the library
    # refuses, rather than cutting it short into one it might take.
    return _utf8(text.replace("\0", "\ufffd"))


def _check(name: str, value: object, *types: type) -> None:
    if isinstance(value, bool) and bool not in types or not isinstance(value, types):
        wanted = " or ".join("None" if t is type(None) else t.__name__ for t in types)
        raise TypeError(f"zindra.encode(): {name} must be {wanted}, not {type(value).__name__}")


def _set_word(request: Request, key: str, word: str) -> None:
    why = lib.zindra_request_set(ctypes.byref(request), key.encode(), _c_text(word))
    if why:
        try:
            message = ctypes.string_at(why).decode("utf-8", "replace")
        finally:
            lib.zindra_free(why)
        raise EncodeError(_BAD_REQUEST + message)


def _fields(r: Result) -> Dict[str, Any]:
    """The fields of a result, as its JSON would give them."""
    data_text = ctypes.string_at(r.data_text, r.data_text_length).decode("utf-8")
    if not r.ok:
        return {"error": ctypes.string_at(r.error, r.error_length).decode("utf-8"),
                "data_text": data_text}
    fields = {name: getattr(r, name) for name in Answer.__dataclass_fields__}
    for name, value in fields.items():
        if isinstance(value, bytes):
            fields[name] = value.decode("utf-8")
    fields["data_text"] = data_text
    # -1 stands for "none" in the C struct, null in the JSON.
    for name in ("output_text_size", "magnification_percent"):
        if fields[name] == -1:
            fields[name] = None
    return fields


def encode(data: str, symbology: str = "code39", variant: Union[int, str] = 1,
           font_type: str = "standard", size: str = "D", checksum: bool = False,
           option2: bool = False, sums: bool = False,
           point_size: Union[str, int, None] = None, extra: str = "") -> Answer:
    """Turn `data` into the font string of a bar code, as the window would.

    The arguments take what the keys of a `zindra-encode --requests` line
    take:

    symbology   "i25", "code39", "code93", "code128", "codabar", "ean",
                "postnet" or "upc".
    variant     1 to 5, the variant button (Code 128: A, B, C, SCC-14,
                SSCC-18; EAN: EAN-8, EAN-13, Bookland; UPC: without, with a
                2-digit, with a 5-digit supplement); an int or its digits.
    font_type   "standard", "human" or "itf14" (under UPC "standard" is UPC-A
                and "human" UPC-E).
    size        "A" to "F": the bar height of the face.
    checksum    the optional check character.
    option2     the symbology's second option (full ASCII, UCC/EAN, closed
                box or bearer bars).
    sums        the checksum line of Code 93 and Code 128.
    point_size  the point size as the window's box holds it: a str is taken
                as it is ("12.5" and "" fail with the engine's message), an
                int as its digits, None is the symbology's usual size.
    extra       the supplement digits or the Bookland price.

    Returns an Answer. Raises EncodeError (a ValueError) when the data does
    not encode or a choice is not one the library knows, and TypeError when
    an argument is not of the type above.
    """
    for name, value, types in (("data", data, (str,)), ("symbology", symbology, (str,)),
                               ("variant", variant, (int, str)),
                               ("font_type", font_type, (str,)), ("size", size, (str,)),
                               ("checksum", checksum, (bool,)), ("option2", option2, (bool,)),
                               ("sums", sums, (bool,)),
                               ("point_size", point_size, (str, int, type(None))),
                               ("extra", extra, (str,))):
        _check(name, value, *types)

    request = Request()
    lib.zindra_request_init(ctypes.byref(request))
    # In the order zindra_encode() checks a request object's keys (by name),
    # so that of two bad choices the same one is reported. The variant goes
    # in as its digits too, so that a number too big for a C int is refused
    # rather than wrapped into range.
    for key, word in (("font_type", font_type), ("size", size), ("symbology", symbology),
                      ("variant", str(variant))):
        _set_word(request, key, word)
    data_bytes, extra_bytes = _utf8(data), _utf8(extra)
    request.data, request.data_length = data_bytes, len(data_bytes)
    request.extra, request.extra_length = extra_bytes, len(extra_bytes)
    request.checksum, request.option2, request.sums = checksum, option2, sums
    if point_size is not None:
        request.point_size = _c_text(str(point_size))

    made = lib.zindra_make(ctypes.byref(request))
    if not made:
        raise MemoryError("zindra_make() ran out of memory")
    try:
        fields = _fields(made.contents)
    finally:
        lib.zindra_result_free(made)
    if "error" in fields:
        raise EncodeError(fields["error"], fields["data_text"])
    return Answer(**fields)
