"""The Options argument: zindra-encode's option text, read with the command
line's meanings into zindra.encode()'s keyword arguments."""

import getopt
import shlex
from typing import Dict, Union

# zindra-encode's option letters and long names for the choices of one bar
# code; a value-taking option is followed by ":" (getopt's spelling).
_SHORT = "s:v:t:z:coSp:e:"
_LONG = ["symbology=", "variant=", "font-type=", "size=", "checksum", "option2", "sums",
         "point-size=", "extra="]
# The encode() argument each option sets; flags set True.
_KEYWORD = {"-s": "symbology", "--symbology": "symbology", "-v": "variant",
            "--variant": "variant", "-t": "font_type", "--font-type": "font_type",
            "-z": "size", "--size": "size", "-c": "checksum", "--checksum": "checksum",
            "-o": "option2", "--option2": "option2", "-p": "point_size",
            "--point-size": "point_size", "-e": "extra", "--extra": "extra"}
_FLAGS = {"checksum", "option2"}
# Options the command line knows that a cell cannot honour, and why not.
_NOT_IN_A_CELL = {
    "symbology": "the symbology is the function's own argument",
    "-S": "a cell holds the font string without the sums line",
    "--sums": "a cell holds the font string without the sums line",
}


class OptionsError(ValueError):
    """The option text is not one a cell takes; the text says why."""


def parse(text: str, symbology_given: bool = True) -> Dict[str, Union[str, bool]]:
    """encode()'s keyword arguments for the option text ("-v 2 -e 12345").

    With `symbology_given` (the function has a Symbology argument) -s is
    refused rather than left to silently win over that argument."""
    try:
        words = shlex.split(text)
    except ValueError as error:
        raise OptionsError(f"the options cannot be read: {error}") from None
    try:
        found, operands = getopt.gnu_getopt(words, _SHORT, _LONG)
    except getopt.GetoptError as error:
        raise OptionsError(_refusal(error)) from None
    if operands:
        raise OptionsError(f"'{operands[0]}' is not an option: the data is the first argument")
    chosen: Dict[str, Union[str, bool]] = {}
    for option, value in found:
        keyword = _KEYWORD.get(option)
        if keyword == "symbology" and symbology_given:
            raise OptionsError(f"option '{option}': " + _NOT_IN_A_CELL["symbology"])
        if keyword is None:
            raise OptionsError(f"option '{option}': " + _NOT_IN_A_CELL[option])
        chosen[keyword] = True if keyword in _FLAGS else value
    return chosen


def _refusal(error: getopt.GetoptError) -> str:
    # Worded as zindra-encode words the same mistakes; getopt's own text
    # spells the option as it was given ("option --json not recognized").
    spelled = error.msg.split()[1]
    if "requires argument" in error.msg:
        return f"option '{spelled}' needs a value"
    if "must not have an argument" in error.msg:
        return f"option '{spelled}' takes no value"
    return f"unknown option '{spelled}'"
