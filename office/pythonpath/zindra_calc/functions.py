"""The spreadsheet functions: each one's name, description and arguments,
and the zindra.encode() request its arguments make. The add-in's type
library and its Calc configuration are written from this table at build
time, so a function and its help live here once."""

import itertools
from dataclasses import dataclass
from typing import Any, Callable, Dict, Tuple

import zindra

from . import cells, options

Request = Dict[str, Any]


@dataclass(frozen=True)
class Argument:
    name: str         # as the Function Wizard shows it
    description: str
    read: Callable[[Any, str], Any] = cells.text
    # Calc makes an argument of type any optional, and hands a number to it
    # as a number; a string argument must be given.
    idl_type: str = "any"


DATA = Argument("Data", "The data to encode: text, or a number, which is read as its digits. "
                "Store codes with leading zeros as text.")
SYMBOLOGY = Argument("Symbology", "i25, code39, code93, code128, codabar, ean, postnet or upc.",
                     idl_type="string")
OPTIONS = Argument("Options", "zindra-encode's options, e.g. \"-c\", \"-v 2 -e 12345\" or "
                   "\"-t human -z E\". Optional.")
CHECKSUM = Argument("Checksum", "TRUE adds the optional check character. Optional.", cells.flag)
SUPPLEMENT = Argument("Supplement", "A 2-digit or 5-digit supplement. Optional.",
                      cells.add_on)
ELEMENT_STRINGS = Argument("Data", "GS1 element strings, each AI in parentheses or square "
                           "brackets, e.g. (01)09501101530003(10)AB-123.")
PRICE = Argument("Price", "The 5-digit price add-on, e.g. 51000. Optional: 90000 when left out.",
                 cells.add_on)


@dataclass(frozen=True)
class Function:
    method: str       # the add-in's method, Calc's programmatic name
    name: str         # the name a user types in a cell
    description: str
    arguments: Tuple[Argument, ...]
    # The encode() request for the arguments as read.
    request: Callable[..., Request]
    # What the cell shows: "font_string", "face" or "error".
    answer: str = "font_string"


def _general(data: str, symbology: str, option_text: str) -> Request:
    return {"data": data, "symbology": symbology, **options.parse(option_text)}


def _face(symbology: str, option_text: str) -> Request:
    return {"symbology": symbology, **options.parse(option_text)}


def _shortcut(symbology: str, **choices: Any) -> Callable[..., Request]:
    def request(data: str) -> Request:
        return {"data": data, "symbology": symbology, **choices}
    return request


def _with_checksum(symbology: str, **choices: Any) -> Callable[..., Request]:
    def request(data: str, checksum: bool) -> Request:
        return {"data": data, "symbology": symbology, "checksum": checksum, **choices}
    return request


def _isbn(isbn: str, price: str) -> Request:
    return {"data": isbn, "symbology": "ean", "variant": 3, "extra": price or "90000"}


def _upc(font_type: str) -> Callable[[str, str], Request]:
    # The supplement's length picks the variant: none, 2 digits, else the
    # 5-digit one, whose own check then words any other length.
    def request(data: str, supplement: str) -> Request:
        variant = 1 if not supplement else 2 if len(supplement) == 2 else 3
        return {"data": data, "symbology": "upc", "font_type": font_type, "variant": variant,
                "extra": supplement}
    return request


FUNCTIONS = (
    # The shortcuts' font strings are set in the face ZINDRA.FACE names for
    # their choices; the descriptions leave the names to it.
    Function("zindra", "ZINDRA", "The font string that prints Data as a bar code in the face "
             "ZINDRA.FACE names.", (DATA, SYMBOLOGY, OPTIONS), _general),
    Function("zindraFace", "ZINDRA.FACE", "The face to format the cells of ZINDRA with these "
             "choices in.", (SYMBOLOGY, OPTIONS), _face, answer="face"),
    Function("zindraError", "ZINDRA.ERROR", "Empty when Data encodes with these choices, "
             "otherwise why it does not.", (DATA, SYMBOLOGY, OPTIONS), _general, answer="error"),
    Function("code39", "ZINDRA.CODE39", "Code 39: the font string.", (DATA, CHECKSUM),
             _with_checksum("code39")),
    Function("code93", "ZINDRA.CODE93", "Code 93: the font string.", (DATA,),
             _shortcut("code93")),
    # Auto, not subset B as before: it takes every text B took and is never
    # wider, but its font string is for the face that holds all three subsets.
    Function("code128", "ZINDRA.CODE128", "Code 128 Auto, any text in the fewest symbol "
             "characters: the font string.", (DATA,), _shortcut("code128", variant="auto")),
    Function("gs1", "ZINDRA.GS1", "GS1-128 of checked element strings: the font string.",
             (ELEMENT_STRINGS,), _shortcut("code128", variant="gs1")),
    Function("i25", "ZINDRA.I25", "Interleaved 2 of 5 (an even number of digits): the font "
             "string.", (DATA, CHECKSUM), _with_checksum("i25")),
    Function("itf14", "ZINDRA.ITF14", "ITF-14 of 13 digits and its check digit: the font "
             "string.", (DATA,), _shortcut("i25", font_type="itf14")),
    Function("codabar", "ZINDRA.CODABAR", "Codabar, with its start and stop letters A to D in "
             "Data: the font string.", (DATA,), _shortcut("codabar")),
    Function("ean8", "ZINDRA.EAN8", "EAN-8 of 7 digits and its check digit: the font string.",
             (DATA,), _shortcut("ean", variant=1)),
    Function("ean13", "ZINDRA.EAN13", "EAN-13 of 12 digits and its check digit: the font "
             "string.", (DATA,), _shortcut("ean", variant=2)),
    Function("isbn", "ZINDRA.ISBN", "A book's ISBN as a Bookland EAN-13 with its price add-on: "
             "the font string.",
             (Argument("Isbn", "The ISBN, 9, 10 or 13 digits; hyphens may stay."), PRICE), _isbn),
    Function("upca", "ZINDRA.UPCA", "UPC-A of 11 digits and its check digit: the font string.",
             (DATA, SUPPLEMENT), _upc("standard")),
    Function("upce", "ZINDRA.UPCE", "UPC-E, zero-suppressed from 11 UPC-A digits: the font "
             "string.", (DATA, SUPPLEMENT), _upc("human")),
    Function("postnet", "ZINDRA.POSTNET", "PostNet of 5, 9 or 11 digits: the font string.",
             (DATA,), _shortcut("postnet")),
)

# The face reads only the choices, but the library names it in an answer,
# that is for data that encodes: FACE asks with data of every kind (and the
# supplements and price some variants need) until one does. Choices that no
# data can satisfy (an unknown symbology) fail every try alike, so the first
# refusal is the one to show.
_FACE_DATA = ("A12B", "12", "12345", "1234567", "04210000526", "400638133393", "0306406152",
              "1234567890123", "12345678901234567", "(01)09501101530003")
_FACE_EXTRA = ("", "12", "51000")


def _face_of(request: Request) -> str:
    refusal = None
    for data, extra in itertools.product(_FACE_DATA, _FACE_EXTRA):
        try:
            return zindra.encode(**{"extra": extra, **request, "data": data}).face
        except zindra.EncodeError as error:
            refusal = refusal or error
    raise refusal


def call(function: Function, *values: Any) -> str:
    """What the cell shows. Raises ValueError (zindra.EncodeError among them)
    when the arguments make no bar code, except for the "error" answer,
    which gives that message instead."""
    try:
        read = [argument.read(value, argument.name)
                for argument, value in zip(function.arguments, values)]
        request = function.request(*read)
        if function.answer == "face":
            return _face_of(request)
        answer = zindra.encode(**request).font_string
    except (zindra.EncodeError, options.OptionsError, cells.CellError) as error:
        if function.answer == "error":
            return str(error)
        raise
    return "" if function.answer == "error" else answer
