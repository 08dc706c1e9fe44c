#!/usr/bin/python3
"""Each face: its own file under its own name, a glyph for every character the encoders
can put into its samples, bars on the module grid, and the same bytes on every build."""
import collections
import filecmp
import json
import os
import subprocess
import tempfile
import unittest

from fontTools.ttLib import TTFont

import corpus
import harness
from glyph_sets import EMITTED, SYMBOLS

GENERATOR = os.environ.get("ZINDRA_FONT_GENERATOR", "")
TEXT_FONT = os.environ.get("ZINDRA_TEXT_FONT", "")
VERSION = os.environ.get("ZINDRA_VERSION", "")

SPACE = ord(" ")
# Font units per module: 1/25 em; 1/50 em in the UPC faces, which are set at twice
# the point size of the others; PostNet's own 20-unit grid.
MODULE = {"Postal": 20, "UPCA": 20, "UPCE": 20}
DEFAULT_MODULE = 40
# Faces without any text: every point of theirs is a bar corner.
TEXT_FAMILIES = {"EAN", "UPCA", "UPCE", "Code 128ABhr", "Code 128Chr"}
CODE128_FAMILIES = "Code 128AB, Code 128ABhr, Code 128C, Code 128Chr"
# The tallest EAN/UPC faces print the GS1 height: main bars of 69.24 modules (22.85 mm
# at X 0.33 mm), guard bars 5 modules longer. (face, a main-bar symbol, a guard symbol
# of the engine's glyph map)
FULL_HEIGHT = (
    ("Tessary EAN e", "A 0", "left guard"),   # EAN-13, EAN-8 and Bookland
    ("Tessary UPCA e", "C 0", "centre guard"),
    ("Tessary UPCE e", "B 0", "right guard"),  # the UPC-E end guard
)
FULL_HEIGHT_MODULES = 69.24
GUARD_EXTRA_MODULES = 5


class FaceTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.faces = harness.read_faces()
        cls.fonts = {name: TTFont(harness.face_file(name)) for name, *_ in cls.faces}

    def test_each_face_file_bears_its_name(self):
        for name, *_ in self.faces:
            with self.subTest(name):
                scanned = subprocess.run(
                    ["fc-scan", "--format", "%{family}\t%{style}\t%{fullname}", harness.face_file(name)],
                    capture_output=True, text=True, check=True).stdout.split("\t")
                self.assertEqual({name}, set(scanned[0].split(",")))
                self.assertEqual("Regular", scanned[1].split(",")[0])
                self.assertEqual({name}, set(scanned[2].split(",")))
                self.assertEqual(0, self.fonts[name]["OS/2"].fsType, "embedding allowed")

    def test_fontconfig_finds_each_face_by_name(self):
        with tempfile.TemporaryDirectory() as folder:
            config = os.path.join(folder, "fonts.conf")
            with open(config, "w", encoding="utf-8") as f:
                f.write(f"<?xml version='1.0'?><fontconfig><dir>{harness.FONT_DIR}</dir>"
                        f"<cachedir>{folder}</cachedir></fontconfig>")
            environment = dict(os.environ, FONTCONFIG_FILE=config)
            for name, *_ in self.faces:
                with self.subTest(name):
                    found = subprocess.run(["fc-match", "--format", "%{file}", name],
                                           capture_output=True, text=True, check=True,
                                           env=environment).stdout
                    self.assertEqual(os.path.realpath(harness.face_file(name)), os.path.realpath(found))

    def test_every_emitted_character_and_the_space_have_glyphs(self):
        for name, family, _, _ in self.faces:
            with self.subTest(name):
                missing = (EMITTED[family] | {SPACE}) - set(self.fonts[name].getBestCmap())
                self.assertFalse(missing, f"no glyph for {sorted(map(chr, missing))}")

    def test_encoders_emit_exactly_the_listed_characters_and_name_every_face(self):
        lines = "".join(json.dumps(r) + "\n" for r in corpus.requests())
        answers = subprocess.run([harness.ENCODER, "--requests", "-"], input=lines,
                                 capture_output=True, text=True, check=False).stdout.split("\n")
        family_of = {name: family for name, family, _, _ in self.faces}
        emitted, named = collections.defaultdict(set), set()
        for answer in map(json.loads, filter(None, answers)):
            if "error" in answer:
                continue
            named.add(answer["face"])
            emitted[family_of[answer["face"]]] |= set(map(ord, answer["sample_text"].split("\n")[0]))
        self.assertEqual(set(family_of), named, "faces the requests never name")
        for family, chars in EMITTED.items():
            with self.subTest(family):
                self.assertEqual(sorted(map(chr, chars)), sorted(map(chr, emitted[family])))

    def test_bars_lie_on_the_module_grid(self):
        for name, family, _, readable in self.faces:
            if readable or family in TEXT_FAMILIES:
                continue
            with self.subTest(name):
                module = MODULE.get(family, DEFAULT_MODULE)
                glyf, hmtx = self.fonts[name]["glyf"], self.fonts[name]["hmtx"]
                for glyph_name in self.fonts[name].getGlyphOrder()[1:]:
                    xs = {x for x, _ in glyf[glyph_name].getCoordinates(glyf)[0]}
                    xs.add(hmtx[glyph_name][0])
                    self.assertFalse({x % module for x in xs} - {0}, glyph_name)

    def test_size_letters_raise_the_bars_at_one_module_width(self):
        sizes = collections.defaultdict(dict)
        for name, family, size, readable in self.faces:
            if size:
                sizes[(family, readable)][size] = self.fonts[name]
        for (family, readable), by_size in sizes.items():
            with self.subTest(family=family, readable=readable):
                letters = sorted(by_size)
                tops = [by_size[s]["hhea"].ascent for s in letters]
                self.assertEqual(sorted(set(tops)), tops, f"bar tops for {letters}")
                widths = {s: dict(by_size[s]["hmtx"].metrics) for s in letters}
                self.assertTrue(all(w == widths[letters[0]] for w in widths.values()))

    def test_the_tallest_ean_and_upc_faces_stand_the_standards_height(self):
        for name, bar_symbol, guard_symbol in FULL_HEIGHT:
            with self.subTest(name):
                font = self.fonts[name]
                family = name.split()[1]
                module = MODULE.get(family, DEFAULT_MODULE)
                spans = {}
                for role, symbol in (("bar", bar_symbol), ("guard", guard_symbol)):
                    code, = SYMBOLS[family][symbol]
                    glyph = font["glyf"][font.getBestCmap()[code]]
                    coordinates, ends, _ = glyph.getCoordinates(font["glyf"])
                    starts = [0] + [e + 1 for e in ends[:-1]]
                    contours = [[y for _, y in coordinates[a:b + 1]] for a, b in zip(starts, ends)]
                    # The bars reach the glyph's top; text, if any, stands below them.
                    top = max(max(c) for c in contours)
                    spans[role] = [(min(c), max(c)) for c in contours if max(c) == top]
                    self.assertTrue(spans[role], symbol)
                (bar_foot, bar_top), = set(spans["bar"])
                (guard_foot, guard_top), = set(spans["guard"])
                self.assertGreaterEqual((bar_top - bar_foot) / module, FULL_HEIGHT_MODULES)
                self.assertEqual(bar_top, guard_top)
                self.assertEqual((bar_foot - guard_foot) / module, GUARD_EXTRA_MODULES)

    @harness.skip_unless(GENERATOR, "ZINDRA_FONT_GENERATOR not set")
    def test_readme_geometry_table_matches_the_face_list(self):
        """The README's geometry table, written by hand, gives each family the module
        and the bar height per size letter (A first) that the face list gives it."""
        readme = os.path.join(os.path.dirname(os.path.dirname(GENERATOR)), "README.md")
        with open(readme, encoding="utf-8") as f:
            rows = [line.split("|")[1:4] for line in f if " = " in line and " units |" in line]
        listed = {}
        with open(harness.FACE_LIST, encoding="utf-8") as f:
            for line in f:
                _, family, size, _, module, bar, *_ = line.rstrip("\n").split("\t")
                listed.setdefault(family, {})[size] = (int(module), float(bar))
        self.assertEqual(4, len(rows))
        for families, module, bars in rows:
            units = int(module.split("=")[1].split()[0])
            heights = dict(zip("abcdef", bars.split(" and ")[0].split(", ")))
            for family in families.replace("Code 128 (all)", CODE128_FAMILIES).split(", "):
                with self.subTest(family):
                    for size, (face_units, bar) in listed[family.strip()].items():
                        self.assertEqual(units, face_units)
                        self.assertEqual(heights[size].strip(), f"{bar:g}", size)

    @harness.skip_unless(GENERATOR, "ZINDRA_FONT_GENERATOR not set")
    def test_readme_glyph_maps_match_the_generator(self):
        generator = os.path.dirname(GENERATOR)
        done = subprocess.run(["/usr/bin/python3", os.path.join(generator, "glyph_map_doc.py"),
                               "--glyphs", harness.GLYPH_MAP,
                               "--check", os.path.join(os.path.dirname(generator), "README.md")],
                              capture_output=True, text=True, check=False)
        self.assertEqual(0, done.returncode, done.stderr)

    @harness.skip_unless(GENERATOR, "ZINDRA_FONT_GENERATOR not set")
    def test_a_second_build_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as folder:
            subprocess.run(["/usr/bin/python3", GENERATOR, "--faces", harness.FACE_LIST,
                            "--glyphs", harness.GLYPH_MAP,
                            "--text-font", TEXT_FONT, "--out", folder, "--version", VERSION,
                            "--stamp", os.path.join(folder, "stamp")],
                           capture_output=True, check=True)
            files = sorted(f for f in os.listdir(harness.FONT_DIR) if f.endswith(".ttf"))
            self.assertEqual(len(self.faces), len(files))
            _, mismatch, errors = filecmp.cmpfiles(harness.FONT_DIR, folder, files, shallow=False)
            self.assertEqual(([], []), (mismatch, errors))


if __name__ == "__main__":
    unittest.main()
