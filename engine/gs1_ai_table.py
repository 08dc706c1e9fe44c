#!/usr/bin/python3
"""Writes the GS1 AI table as C++ from the GS1 Barcode Syntax Dictionary, so that the
program's AIs, formats, check routines and pairings are the dictionary's own.

    gs1_ai_table.py --dictionary gs1-syntax-dictionary.txt.gz --out Gs1AiTable.cpp

Ranges ("3100-3105") become one row per AI; rows are in AI order for a binary search.
"""
import argparse
import gzip
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fonts",
                                "generator"))
import generated_source  # noqa: E402

FLAG_CHARS = set("*!?\"$%&'()+,-./:;<=>@[\\]^_`{|}~")
COMPONENT = re.compile(r"^(\[)?([NXYZ])(\d*)(?:\.\.(\d+))?(\])?((?:,\w+)*)$")


def _component(token):
    m = COMPONENT.match(token)
    if not m:
        return None
    optional, kind, fixed, most, _, linters = m.groups()
    low, high = (1, int(most)) if most else (int(fixed), int(fixed))
    return (kind, low, high, bool(optional), linters.lstrip(","))


def _entries(text):
    for line in text.splitlines():
        body = line.split("#", 1)[0].split()
        if not body or line.startswith("#"):
            continue
        ais, rest = body[0], body[1:]
        flags = ""
        if rest and set(rest[0]) <= FLAG_CHARS:
            flags, rest = rest[0], rest[1:]
        components, ex, req = [], [], []
        for token in rest:
            comp = _component(token)
            if comp and not ex and not req:
                components.append(comp)
            elif token.startswith("ex="):
                ex.append(token[3:])
            elif token.startswith("req="):
                req.append(token[4:])
        first, _, last = ais.partition("-")
        for n in range(int(first), int(last or first) + 1):
            ai = f"{n:0{len(first)}d}"
            yield ai, "*" in flags, components, ",".join(ex), " ".join(req)


def _quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def generated(text):
    entries = sorted(_entries(text))
    lines = ["// Generated from the GS1 Barcode Syntax Dictionary by engine/gs1_ai_table.py:",
             "// do not edit.", '#include "engine/Gs1Dictionary.h"', "", "namespace zindra {",
             "namespace {", "", "constexpr Gs1Component Components[] = {"]
    starts, total = [], 0
    for _, _, components, _, _ in entries:
        starts.append(total)
        total += len(components)
        for kind, low, high, optional, linters in components:
            lines.append(f"    {{'{kind}', {low}, {high}, {'true' if optional else 'false'}, "
                         f"{_quote(linters)}}},")
    lines += ["};", "", "constexpr Gs1Ai Ais[] = {"]
    for (ai, predefined, components, ex, req), start in zip(entries, starts):
        lines.append(f"    {{{_quote(ai)}, {'true' if predefined else 'false'}, "
                     f"{{Components + {start}, {len(components)}}}, {_quote(ex)}, {_quote(req)}}},")
    lines += ["};", "", "} // namespace", "",
              "std::span<const Gs1Ai> Gs1Ais() { return Ais; }", "", "} // namespace zindra", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dictionary", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with gzip.open(args.dictionary, "rt", encoding="utf-8") as f:
        text = generated(f.read())
    generated_source.write_if_changed(args.out, text)


if __name__ == "__main__":
    main()
