#!/usr/bin/python3
"""Writes the advance widths and bar extents of every family's glyphs as C++, so that
the program can tell how wide a font string prints without the fonts and without a
second copy of the glyph maps.

    advance_table.py --glyphs GLYPHS.tsv --out GlyphAdvances.cpp

The figures are in the glyph maps' own units (modules; PostNet's quarter-module grid)
and do not depend on the module size or the heights, which the model owns. The one
glyph whose width is not a number of modules, the ITF-14 box side, is as wide as the
face's bearer: it is written for a 1-module bearer and marked.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import families  # noqa: E402
import generated_source  # noqa: E402
import glyph_map  # noqa: E402
import metrics  # noqa: E402

BEARER_FAMILIES = {"Bearer 25i", "ITF14"}
UNITS_PER_MODULE = {"Postal": metrics.POSTNET_GRID_PER_BAR}


class _Face:
    """The little of a face that the glyph maps read: its family, text on, a 1-module bearer."""
    def __init__(self, family):
        self.family = family
        self.text = True
        self.bearer = 1 if family in BEARER_FAMILIES else 0


def _rows(family, chars):
    rows = []
    for g in families.FAMILIES[family].glyph_defs(_Face(family), chars):
        edges = [e for bars in g.bars for span in bars.spans for e in span]
        left, right = (min(edges), max(edges)) if edges else (0, 0)
        bearer_wide = g.name == "itf_side"
        rows += [(code, g.advance, left, right, bearer_wide) for code in g.codes]
    return sorted(rows)


def _number(value):
    return f"{value:g}"


def generated(chars):
    lines = ["// Generated from the glyph maps by fonts/generator/advance_table.py: do not edit.",
             '#include "faces/advances/GlyphAdvances.h"', "", "namespace zindra {", "namespace {", ""]
    names = []
    for i, family in enumerate(families.FAMILIES):
        names.append(f"Family{i}")
        lines.append(f"// {family}")
        lines.append(f"constexpr GlyphAdvance Family{i}[] = {{")
        for code, advance, left, right, bearer_wide in _rows(family, chars):
            lines.append(f"    {{{code}, {_number(advance)}, {_number(left)}, {_number(right)}, "
                         f"{'true' if bearer_wide else 'false'}}},")
        lines.append("};")
        lines.append("")
    lines += ["constexpr FamilyAdvances Families[] = {"]
    for (family, name) in zip(families.FAMILIES, names):
        lines.append(f'    {{"{family}", {UNITS_PER_MODULE.get(family, 1)}, {name}}},')
    lines += ["};", "", "} // namespace", "",
              "std::span<const FamilyAdvances> AllFamilyAdvances() { return Families; }", "",
              "} // namespace zindra", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--glyphs", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    text = generated(glyph_map.read(args.glyphs))
    generated_source.write_if_changed(args.out, text)


if __name__ == "__main__":
    main()
