#!/usr/bin/python3
"""Builds the manual (Rich Text Format) from its text source.

The source is plain text: "# ", "## " and "### " start headings, "- " starts a
bullet item, and blank lines separate paragraphs. Usage:
    make_manual.py SOURCE RTF_OUT
"""

import sys

# Heading levels: RTF half-point size.
HEADINGS = {1: 36, 2: 28, 3: 24}
BODY_SIZE = 22


def blocks(text):
    """Yields (kind, level, text) per heading, bullet item or paragraph."""
    paragraph = []
    for line in text.splitlines() + [""]:
        stripped = line.strip()
        marker = stripped.split(" ", 1)[0]
        starts_block = not stripped or stripped.startswith("- ") or (
            marker and set(marker) == {"#"} and len(marker) in HEADINGS)
        if starts_block and paragraph:
            yield ("paragraph", 0, " ".join(paragraph))
            paragraph = []
        if not stripped:
            continue
        if stripped.startswith("- "):
            yield ("bullet", 0, stripped[2:])
        elif set(marker) == {"#"} and len(marker) in HEADINGS:
            yield ("heading", len(marker), stripped[len(marker):].strip())
        else:
            paragraph.append(stripped)


def rtf_text(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) > 127:
            code = ord(ch)
            out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
        else:
            out.append(ch)
    return "".join(out)


def to_rtf(items):
    out = [r"{\rtf1\ansi\ansicpg1252\deff0",
           r"{\fonttbl{\f0\fswiss Arial;}}",
           r"\viewkind4\uc1\pard\f0\fs%d" % BODY_SIZE]
    for kind, level, text in items:
        if kind == "heading":
            size = HEADINGS[level]
            out.append(r"\pard\sb240\sa120\keepn\b\fs%d %s\b0\fs%d\par" %
                       (size, rtf_text(text), BODY_SIZE))
        elif kind == "bullet":
            out.append(r"\pard\fi-240\li480\tx480\sa60 \bullet\tab %s\par" % rtf_text(text))
        else:
            out.append(r"\pard\sa120 %s\par" % rtf_text(text))
    out.append("}")
    return "\n".join(out) + "\n"


def main(source, rtf_out):
    with open(source, encoding="utf-8") as f:
        items = list(blocks(f.read()))
    with open(rtf_out, "w", encoding="ascii", newline="\r\n") as f:
        f.write(to_rtf(items))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
