#!/usr/bin/python3
"""Builds one TrueType face per line of the face list that zindra-list-faces writes.

    build_fonts.py --faces FACES.tsv --glyphs GLYPHS.tsv --text-font OCRB.otf --out DIR
        --stamp FILE --version 7.0

A face file is rewritten only when its bytes change, and files of faces no longer in
the list are removed, so the folder always holds exactly the current faces.
"""
import argparse
import os
import sys
from dataclasses import dataclass

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import families  # noqa: E402
import font_file  # noqa: E402
import glyph_map  # noqa: E402
from text_outlines import TextOutlines  # noqa: E402


@dataclass(frozen=True)
class Face:
    name: str
    family: str
    size: str   # "a".."f", or "" for the single PostNet face
    text: bool  # draws human-readable text
    module: int          # font units per module
    bar: float           # bar height, in modules
    bearer: float        # bearer thickness, in modules; 0 without bearers
    text_drop: float     # from the foot of the bars or bearer to the text baseline, in modules
    guard_descent: float # EAN/UPC guard bars below the data bars, in modules


def read_faces(path):
    faces = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            name, family, size, text, module, *heights = line.rstrip("\n").split("\t")
            faces.append(Face(name, family, "" if size == "-" else size, text == "1", int(module),
                              *map(float, heights)))
    return faces


def file_name(face_name):
    return face_name.replace(" ", "-") + ".ttf"


def face_font(face, chars, text, version):
    family = families.FAMILIES[face.family]
    return font_file.build(face.name, family.glyph_defs(face, chars),
                           family.metrics(face), text, version)


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    with open(path, "wb") as f:
        f.write(data)
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--faces", required=True)
    parser.add_argument("--glyphs", required=True)
    parser.add_argument("--text-font", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--stamp", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()

    faces = read_faces(args.faces)
    chars = glyph_map.read(args.glyphs)
    text = TextOutlines(args.text_font)
    os.makedirs(args.out, exist_ok=True)
    names = [file_name(face.name) for face in faces]
    written = sum(write_if_changed(os.path.join(args.out, n), face_font(face, chars, text, args.version))
                  for face, n in zip(faces, names))
    for stale in sorted(set(os.listdir(args.out)) - set(names)):
        if stale.endswith(".ttf"):
            os.remove(os.path.join(args.out, stale))
    with open(args.stamp, "w", encoding="utf-8") as f:
        f.write("".join(n + "\n" for n in names))
    print(f"{len(faces)} faces, {written} rewritten, in {args.out}")


if __name__ == "__main__":
    main()
