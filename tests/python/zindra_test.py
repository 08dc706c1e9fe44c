#!/usr/bin/python3
"""The zindra package against zindra-encode: table rows of requests answered
by both, field by field; refusals with the library's messages; wrong types;
the face list against the font build's; and threads encoding at once.

The environment names the build's files: ZINDRA_LIBRARY (the library the
package loads), ZINDRA_ENCODE (zindra-encode) and ZINDRA_LIST_FACES.
"""

import dataclasses
import doctest
import json
import os
import subprocess
import tempfile
import unittest
from concurrent.futures import ThreadPoolExecutor

import zindra

ENCODE = os.environ["ZINDRA_ENCODE"]
LIST_FACES = os.environ["ZINDRA_LIST_FACES"]

# encode()'s arguments and the command line's options that take them.
OPTIONS = {"symbology": "-s", "variant": "-v", "font_type": "-t", "size": "-z",
           "checksum": "-c", "option2": "-o", "sums": "-S", "point_size": "-p", "extra": "-e"}

# Requests, and whether their data encodes.
ROWS = [
    ({"data": "CODE39", "checksum": True}, True),
    ({"data": "code 39", "option2": True, "size": "A", "point_size": "12"}, True),  # full ASCII; small
    ({"data": "Zürich"}, False),  # no Code 39 character for ü
    ({"data": "CODE93", "symbology": "code93", "sums": True}, True),  # output text size
    ({"data": "123456", "symbology": "code128", "variant": "3", "sums": True}, True),
    ({"data": "1234567890123", "symbology": "code128", "variant": 4}, True),  # human text
    ({"data": "A123B", "symbology": "codabar", "point_size": 30}, True),
    ({"data": "N/A", "symbology": "i25"}, False),
    ({"data": "1234567890123", "symbology": "i25", "font_type": "itf14", "option2": True}, True),
    ({"data": "400638133393", "symbology": "ean", "variant": 2}, True),  # magnification
    ({"data": "0-306-40615-2", "symbology": "ean", "variant": 3, "extra": "51000"}, True),
    ({"data": "03600029145", "symbology": "upc"}, True),
    ({"data": "03600029145", "symbology": "upc", "variant": 3, "extra": "12345"}, True),
    ({"data": "04210000526", "symbology": "upc", "font_type": "human", "size": "F"}, True),
    ({"data": "12345", "symbology": "postnet"}, True),
]

POINT_SIZE = "Error, the point size must be a whole number from 1 to 1638"
VARIANT = "bad request: the variant must be a whole number from 1 to 7"

# Requests that fail, with the message and the data after Make.
REFUSED = [
    ({"data": "X", "point_size": "12.5"}, POINT_SIZE, "X"),
    ({"data": "X", "point_size": ""}, POINT_SIZE, "X"),
    ({"data": "X", "point_size": 0}, POINT_SIZE, "X"),
    ({"data": "X", "point_size": "12\0"}, POINT_SIZE, "X"),  # not cut short to "12"
    ({"data": "x", "symbology": "nope"},
     'bad request: unknown symbology "nope" '
     "(i25 | code39 | code93 | code128 | codabar | ean | postnet | upc)", ""),
    ({"data": "x", "symbology": "code39\0"},
     'bad request: unknown symbology "code39\ufffd" '
     "(i25 | code39 | code93 | code128 | codabar | ean | postnet | upc)", ""),
    ({"data": "x", "font_type": "HUMAN"},
     'bad request: unknown font type "HUMAN" (standard | human | itf14)', ""),
    ({"data": "x", "size": "G"}, 'bad request: unknown size "G" (one letter A to F)', ""),
    ({"data": "x", "variant": 8}, VARIANT, ""),
    ({"data": "x", "variant": 2**32 + 1}, VARIANT, ""),  # not wrapped to 1
    ({"data": "x", "variant": "two"}, VARIANT, ""),
    ({"data": "\ud800"}, 'bad request: invalid UTF-8 in "data"', ""),
    # The data reaches the engine whole, and comes back whole.
    ({"data": "X\0Y"}, 'Error: input character "\0" not legal in bar code 3 of 9', "X\0Y"),
]

# Arguments of the wrong type.
WRONG_TYPES = [
    {"data": b"CODE39"}, {"data": None}, {"data": "X", "symbology": 1},
    {"data": "X", "variant": True}, {"data": "X", "variant": 1.0},
    {"data": "X", "checksum": 1}, {"data": "X", "point_size": True},
    {"data": "X", "point_size": 12.5}, {"data": "X", "extra": None},
]


def command_line(request):
    """zindra-encode --json's answer to `request`."""
    args = [ENCODE, "--json"]
    for key, value in request.items():
        if key == "data":
            continue
        if isinstance(value, bool):
            args += [OPTIONS[key]] if value else []
        else:
            args += [OPTIONS[key], str(value)]
    done = subprocess.run(args + ["--", request["data"]], capture_output=True, text=True)
    if done.returncode not in (0, 1):
        raise AssertionError(f"{args} exited {done.returncode}: {done.stderr}")
    return json.loads(done.stdout)


def outcome(request):
    """encode()'s answer to `request` as the command line's JSON reads."""
    try:
        return dataclasses.asdict(zindra.encode(**request))
    except zindra.EncodeError as error:
        return {"error": error.message, "data_text": error.data_text}


class EncodeTest(unittest.TestCase):
    def test_rows_answer_as_the_command_line(self):
        faces = {face.name: face for face in zindra.faces()}
        for request, encodes in ROWS:
            with self.subTest(request=request):
                answer = outcome(request)
                self.assertEqual(answer, command_line(request))
                self.assertEqual("error" not in answer, encodes, answer)
                if encodes:
                    self.assertEqual(faces[answer["face"]].symbology,
                                     request.get("symbology", "code39"))

    def test_refusals(self):
        for request, message, data_text in REFUSED:
            with self.subTest(request=request):
                with self.assertRaises(zindra.EncodeError) as raised:
                    zindra.encode(**request)
                self.assertIsInstance(raised.exception, ValueError)
                self.assertEqual(str(raised.exception), message)
                self.assertEqual((raised.exception.message, raised.exception.data_text),
                                 (message, data_text))

    def test_wrong_types(self):
        for request in WRONG_TYPES:
            with self.subTest(request=request):
                with self.assertRaises(TypeError) as raised:
                    zindra.encode(**request)
                [wrong] = [key for key in request if key != "data"] or ["data"]
                self.assertIn(f" {wrong} must be", str(raised.exception))

    def test_answers_are_immutable(self):
        with self.assertRaises(dataclasses.FrozenInstanceError):
            zindra.encode("X").font_string = "Y"

    def test_threads_answer_as_one(self):
        requests = [request for request, _ in ROWS] * 40
        alone = [outcome(request) for request in requests]
        with ThreadPoolExecutor(max_workers=8) as pool:
            together = list(pool.map(outcome, requests))
        self.assertEqual(together, alone)


class FacesTest(unittest.TestCase):
    def test_faces_are_the_font_builds(self):
        with tempfile.TemporaryDirectory() as scratch:
            table = os.path.join(scratch, "faces.tsv")
            subprocess.run([LIST_FACES, table], check=True)
            with open(table, encoding="utf-8") as f:
                built = [line.rstrip("\n").split("\t") for line in f]
        listed = [(face.name, face.size or "-", face.bar_modules, face.bearer_modules,
                   face.text_drop_modules, face.guard_descent_modules)
                  for face in zindra.faces()]
        self.assertEqual(listed, [(row[0], row[2], *map(float, row[5:9])) for row in built])
        self.assertGreater(len(listed), 50)


def load_tests(loader, tests, ignore):
    tests.addTests(doctest.DocTestSuite(zindra, extraglobs={"zindra": zindra}))
    return tests


if __name__ == "__main__":
    unittest.main()
