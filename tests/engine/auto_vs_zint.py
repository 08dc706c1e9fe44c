#!/usr/bin/python3
"""Code 128 Auto against the peer encoder: on seeded random data mixing digit runs,
upper and lower case and control characters, our symbol never has more modules than
`zint -b 20`'s. Prints how often it has fewer (the figures in bench/README.md).

    auto_vs_zint.py [--records N] [--seed S]     (ZINDRA_ENCODE names the encoder)
"""
import argparse
import json
import os
import random
import shutil
import subprocess
import sys
import tempfile
import unittest

ENCODER = os.environ.get("ZINDRA_ENCODE", "zindra-encode")
RUNS = ("0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz",
        "".join(map(chr, range(1, 32))))
RUN_LENGTHS = (8, 5, 5, 2) # the longest run of each kind


def records(count, seed):
    rng = random.Random(seed)
    out = []
    for _ in range(count):
        text = ""
        for _ in range(rng.randint(1, 6)):
            kind = rng.randrange(len(RUNS))
            text += "".join(rng.choice(RUNS[kind]) for _ in range(rng.randint(1, RUN_LENGTHS[kind])))
        out.append(text)
    return out


def our_modules(datas):
    lines = "".join(json.dumps({"data": d, "symbology": "code128", "variant": 6}) + "\n"
                    for d in datas)
    done = subprocess.run([ENCODER, "--requests", "-"], input=lines, capture_output=True,
                          text=True, check=False)
    answers = [json.loads(line) for line in done.stdout.splitlines()]
    # one glyph per symbol: eleven modules each, thirteen for the stop
    return [11 * (len(a["font_string"]) - 1) + 13 for a in answers]


def zint_modules(datas):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "records.txt")
        with open(path, "w", encoding="ascii") as f:
            f.write("".join("".join(f"\\x{ord(c):02X}" for c in d) + "\n" for d in datas))
        done = subprocess.run(["zint", "-b", "20", "--batch", "--esc", "--dump", "-i", path],
                              capture_output=True, text=True, check=True)
    modules = []
    for line in done.stdout.splitlines():
        bits = "".join(f"{int(h, 16):0{4 * len(h)}b}" for h in line.split())
        modules.append(bits.rindex("1") + 1) # the stop ends in a bar; the rest is padding
    return modules


class AutoAgainstZint(unittest.TestCase):
    COUNT, SEED = 400, 20

    def test_never_more_modules(self):
        if not shutil.which("zint"):
            if os.environ.get("CI"):
                self.fail("zint is not installed")
            self.skipTest("zint is not installed")
        datas = records(self.COUNT, self.SEED)
        ours, theirs = our_modules(datas), zint_modules(datas)
        self.assertEqual(len(datas), len(ours))
        self.assertEqual(len(datas), len(theirs))
        worse = [(d, o, t) for d, o, t in zip(datas, ours, theirs) if o > t]
        self.assertFalse(worse, f"more modules than zint: {worse[:5]}")
        fewer = [t - o for o, t in zip(ours, theirs) if o < t]
        print(f"{len(datas)} records: fewer modules in {len(fewer)} "
              f"({100 * len(fewer) / len(datas):.1f} %), by {min(fewer, default=0)} to "
              f"{max(fewer, default=0)} (mean {sum(fewer) / max(len(fewer), 1):.1f}); "
              f"total {sum(ours)} against {sum(theirs)}", file=sys.stderr)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--records", type=int, default=AutoAgainstZint.COUNT)
    parser.add_argument("--seed", type=int, default=AutoAgainstZint.SEED)
    args, rest = parser.parse_known_args()
    AutoAgainstZint.COUNT, AutoAgainstZint.SEED = args.records, args.seed
    unittest.main(argv=[sys.argv[0], *rest])
