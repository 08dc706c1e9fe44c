"""Seeded random GS1 element strings from the vendored syntax dictionary, valid by
construction (check digits, dates and times filled in, no excluded pairings, at most
48 data characters), and the bytes a GS1 reader must return for each: the AIs and
data with a GS after every variable-length element string but the last."""
import gzip
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..", "..")
DICTIONARY = os.path.join(ROOT, "third_party", "gs1-syntax-dictionary", "gs1-syntax-dictionary.txt.gz")
sys.path.insert(0, os.path.join(ROOT, "engine"))
import gs1_ai_table  # noqa: E402

CSET82 = "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz"
SETS = {"N": "0123456789", "X": CSET82, "Y": "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "Z": "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz"}
GS = "\x1d"


def _check_digit(digits):
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits)))
    return str((10 - total % 10) % 10)


def _date(rng, century):
    return (f"{rng.randint(0, 99):02d}" if not century else f"{rng.randint(1990, 2060)}") + \
        f"{rng.randint(1, 12):02d}{rng.randint(1, 28):02d}"


# How a linter's value is made valid; a linter not listed takes any value of its set.
FIXES = {
    "csum": lambda rng, v: v[:-1] + _check_digit(v[:-1]),
    "yymmd0": lambda rng, v: _date(rng, False), "yymmdd": lambda rng, v: _date(rng, False),
    "yyyymmdd": lambda rng, v: _date(rng, True),
    "hhmi": lambda rng, v: f"{rng.randint(0, 23):02d}{rng.randint(0, 59):02d}",
    "hh": lambda rng, v: f"{rng.randint(0, 23):02d}",
    "mi": lambda rng, v: f"{rng.randint(0, 59):02d}", "ss": lambda rng, v: f"{rng.randint(0, 59):02d}",
    "nonzero": lambda rng, v: v[:-1] + str(rng.randint(1, 9)),
    "yesno": lambda rng, v: str(rng.randint(0, 1)),
}
SIZED = {"yymmd0": 6, "yymmdd": 6, "yyyymmdd": 8, "hhmi": 4, "hh": 2, "mi": 2, "ss": 2, "yesno": 1}


def _usable(components):
    # a date or time linter on a component of another length cannot be satisfied
    return all(SIZED.get(l, hi) == hi == lo or l not in SIZED
               for _, lo, hi, _, linters in components for l in linters.split(",") if l)


def _value(rng, components):
    value = ""
    for i, (kind, low, high, optional, linters) in enumerate(components):
        if optional and rng.random() < 0.5:
            break
        part = "".join(rng.choice(SETS[kind]) for _ in range(rng.randint(max(low, 1), high)))
        for linter in filter(None, linters.split(",")):
            if linter in FIXES:
                part = FIXES[linter](rng, part)
        value += part
    return value


def _matches(ai, pattern):
    return len(ai) == len(pattern) and all(p in ("n", a) for a, p in zip(ai, pattern))


def _excluded(a, b):
    return a[0] != b[0] and (any(_matches(b[0], p) for p in a[3].split(",") if p) or
                             any(_matches(a[0], p) for p in b[3].split(",") if p))


def element_strings(count, seed):
    """[(typed data, expected bytes as text)], typed with AIs in square brackets."""
    with gzip.open(DICTIONARY, "rt", encoding="utf-8") as f:
        entries = [e for e in gs1_ai_table._entries(f.read()) if _usable(e[2])]
    rng = random.Random(seed)
    out = []
    while len(out) < count:
        chosen = []
        for entry in rng.sample(entries, rng.randint(1, 4)):
            if not any(_excluded(entry, c) for c in chosen):
                chosen.append(entry)
        elements = [(e[0], _value(rng, e[2]), e[1]) for e in chosen]
        expected = ""
        for i, (ai, value, predefined) in enumerate(elements):
            expected += ai + value + (GS if not predefined and i + 1 < len(elements) else "")
        if len(expected) <= 48:
            out.append(("".join(f"[{ai}]{value}" for ai, value, _ in elements), expected))
    return out
