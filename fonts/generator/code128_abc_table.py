#!/usr/bin/python3
"""Writes the Code 128ABC glyph map as C++ for the engine, so that the encoder and
the faces read one map.

    code128_abc_table.py --out Code128AbcGlyphs.cpp
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import code128_abc  # noqa: E402
import generated_source  # noqa: E402


def _array(name, chars):
    return [f"const std::array<char16_t, {len(chars)}> {name} = {{",
            *(f"    {', '.join(str(c) for c in chars[i:i + 12])}," for i in range(0, len(chars), 12)),
            "};"]


def generated():
    plain = list(code128_abc.CHARS)
    quoted = [code128_abc.QUOTE_SUBSTITUTES.get(v, c) for v, c in enumerate(plain)]
    return "\n".join([
        "// Generated from fonts/generator/code128_abc.py: do not edit.",
        '#include "engine/Code128Abc.h"', "", "namespace zindra {", "",
        *_array("Code128AbcGlyphs", plain), "",
        *_array("Code128AbcNoQuoteGlyphs", quoted), "",
        "} // namespace zindra", ""])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    text = generated()
    generated_source.write_if_changed(args.out, text)


if __name__ == "__main__":
    main()
