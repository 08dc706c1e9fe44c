"""Assembles one face into TrueType bytes that are the same on every build."""
import io

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

import metrics
import outline

# head.created and head.modified: 2024-01-01 00:00:00 UTC, in seconds since 1904.
FIXED_TIMESTAMP = 3786825600

TEXT_LICENCE = (
    "The human-readable text is drawn from outlines converted from the OCR-B font of "
    "Debian's fonts-ocr-b package, which is in the public domain and whose sources "
    "state: \"You may freely use, modify and/or distribute this file, without limitation.\"")


def postscript_name(face_name):
    return face_name.replace(" ", "-")


def build(face_name, glyph_defs, face_metrics, text, version):
    order = [".notdef"] + [g.name for g in glyph_defs]
    glyf = {".notdef": TTGlyphPen(None).glyph()}
    advances = {".notdef": metrics.UNITS_PER_EM // 2}
    cmap = {}
    for g in glyph_defs:
        glyf[g.name], advances[g.name] = outline.tt_glyph(g, face_metrics, text)
        for code in g.codes:
            if code in cmap:
                raise ValueError(f"{face_name}: U+{code:04X} drawn by {cmap[code]} and {g.name}")
            cmap[code] = g.name

    fb = FontBuilder(metrics.UNITS_PER_EM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyf)
    tops = [glyf[n].yMax for n in order if glyf[n].numberOfContours]
    bottoms = [glyf[n].yMin for n in order if glyf[n].numberOfContours]
    ascent, descent = max(tops), max(0, -min(bottoms))
    lefts = {n: (glyf[n].xMin if glyf[n].numberOfContours else 0) for n in order}
    fb.setupHorizontalMetrics({n: (advances[n], lefts[n]) for n in order})
    fb.setupHorizontalHeader(ascent=ascent, descent=-descent)
    fb.setupHead(unitsPerEm=metrics.UNITS_PER_EM, created=FIXED_TIMESTAMP,
                 modified=FIXED_TIMESTAMP, fontRevision=float(version))
    has_text = any(g.texts for g in glyph_defs)
    fb.setupNameTable({
        "familyName": face_name,
        "styleName": "Regular",
        "uniqueFontIdentifier": f"Zindra {version}: {face_name}",
        "fullName": face_name,
        "version": f"Version {float(version):.3f}",
        "psName": postscript_name(face_name),
        "typographicFamily": face_name,
        "typographicSubfamily": "Regular",
        "description": "A bar-code face of Zindra: each character draws one bar pattern.",
        **({"licenseDescription": TEXT_LICENCE} if has_text else {}),
    })
    fb.setupOS2(fsType=0, usWeightClass=400, fsSelection=0x40, achVendID="ZNDR",
                sTypoAscender=ascent, sTypoDescender=-descent, sTypoLineGap=0,
                usWinAscent=ascent, usWinDescent=descent,
                ulUnicodeRange1=0b11, ulCodePageRange1=0b1)
    fb.setupPost()
    out = io.BytesIO()
    fb.save(out)
    return out.getvalue()
