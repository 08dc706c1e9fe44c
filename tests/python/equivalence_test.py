#!/usr/bin/python3
"""Random requests answered three ways: zindra-encode --requests (one run for
all of them), the library's zindra_encode() called directly, and
zindra.encode(). The first two must give the same bytes, line for line; the
package must give the same fields, or raise EncodeError with the same message
and data.

The requests are drawn from a fixed seed, over every symbology and option,
with data from alphabets that make some encode and some fail (non-ASCII and
NUL included), bad choice words and bad point sizes. Lines that only JSON can
say (wrong types, broken JSON) go to the first two ways only.

The environment names the build's files: ZINDRA_LIBRARY and ZINDRA_ENCODE.
"""

import ctypes
import dataclasses
import json
import os
import random
import subprocess
import unittest

import zindra

ENCODE = os.environ["ZINDRA_ENCODE"]
COUNT = 3000

SYMBOLOGIES = ["i25", "code39", "code93", "code128", "codabar", "ean", "postnet", "upc"]
ALPHABETS = ["0123456789", "0123456789-", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -.$/+%",
             "abcxyz ~!{}*", "ABCD0123456789-$:/.+", "\x00\x01\x1f\x7f\t",
             "éüÀß€Ω漢字😀\u2028"]
BAD_WORDS = {"symbology": ["Code39", "qr", "", "ean13"], "font_type": ["HUMAN", "bold", ""],
             "size": ["G", "d", "", "DD"]}
BAD_VARIANTS = [0, 6, -1, 2**32 + 1, 2**40]
POINT_SIZES = ["24", "1", "1638", "018", "12.5", "", "0", "1639", "abc", " 12", "+5", "٣",
               "99999999999999999999"]
NOT_PYTHON = ['{"data":"X","checksum":"yes"}', '{"data":1}', '{"data":"X","variant":2.0}',
              '{"data":"X","point_size":12}', '["X"]', "not json", '{"data":"X","dpi":"600"}',
              '{"symbology":"ean"}', "{}"]


def random_data(rng):
    alphabet = rng.choice(ALPHABETS) + rng.choice(["", "0123456789"])
    return "".join(rng.choice(alphabet) for _ in range(rng.choice([0, 1, 2, 5, 7, 8, 11, 12,
                                                                   13, 17, 20, 40])))


def random_request(rng):
    """A request object as a dict whose values encode() takes too."""
    request = {"data": random_data(rng)}
    if rng.random() < 0.9:
        request["symbology"] = rng.choice(SYMBOLOGIES)
    if rng.random() < 0.7:
        request["variant"] = rng.randint(1, 5)
    if rng.random() < 0.4:
        request["font_type"] = rng.choice(["standard", "human", "itf14"])
    if rng.random() < 0.4:
        request["size"] = rng.choice("ABCDEF")
    for flag in ("checksum", "option2", "sums"):
        if rng.random() < 0.4:
            request[flag] = rng.random() < 0.5
    if rng.random() < 0.3:
        request["point_size"] = rng.choice(POINT_SIZES)
    if rng.random() < 0.3:
        request["extra"] = random_data(rng)
    for key, words in BAD_WORDS.items():  # now and then two at once
        if rng.random() < 0.04:
            request[key] = rng.choice(words)
    if rng.random() < 0.03:
        request["variant"] = rng.choice(BAD_VARIANTS)
    return request


def arguments(request, rng):
    """encode()'s arguments for `request`: variants and point sizes in
    digits go now as int, now as str."""
    arguments = dict(request)
    if isinstance(arguments.get("variant"), int) and rng.random() < 0.5:
        arguments["variant"] = str(arguments["variant"])
    size = arguments.get("point_size")
    if size and size.isascii() and size.isdigit() and rng.random() < 0.5:
        arguments["point_size"] = int(size)
    return arguments


def encoded(arguments):
    try:
        return dataclasses.asdict(zindra.encode(**arguments))
    except zindra.EncodeError as error:
        return {"error": error.message, "data_text": error.data_text}


def library_answer(library, line):
    answer = library.zindra_encode(line.encode("utf-8"))
    try:
        return ctypes.string_at(answer).decode("utf-8")
    finally:
        library.zindra_free(answer)


class EquivalenceTest(unittest.TestCase):
    def test_three_ways_answer_alike(self):
        rng = random.Random(18)
        requests = [random_request(rng) for _ in range(COUNT)]
        lines = [json.dumps(request, ensure_ascii=rng.random() < 0.5) for request in requests]
        lines += NOT_PYTHON
        done = subprocess.run([ENCODE, "--requests", "-"], input="\n".join(lines) + "\n",
                              capture_output=True, text=True, encoding="utf-8")
        self.assertIn(done.returncode, (0, 1), done.stderr)
        printed = done.stdout.split("\n")
        self.assertEqual(printed.pop(), "")
        self.assertEqual(len(printed), len(lines))

        library = ctypes.CDLL(os.environ["ZINDRA_LIBRARY"])
        library.zindra_encode.restype = ctypes.c_void_p
        library.zindra_encode.argtypes = [ctypes.c_char_p]
        library.zindra_free.argtypes = [ctypes.c_void_p]
        kinds = {"encoded": 0, "failed": 0, "refused": 0}
        for line, answer in zip(lines, printed):
            self.assertEqual(library_answer(library, line), answer, line)
        for request, answer in zip(requests, map(json.loads, printed)):
            if "error" in answer:
                # A refused request has no data after Make: the package says "".
                answer.setdefault("data_text", "")
                kinds["refused" if answer["error"].startswith("bad request: ") else "failed"] += 1
            else:
                kinds["encoded"] += 1
            self.assertEqual(encoded(arguments(request, rng)), answer, request)
        # The draw reaches every kind of answer, each often.
        self.assertGreater(min(kinds.values()), COUNT // 20, kinds)


if __name__ == "__main__":
    unittest.main()
