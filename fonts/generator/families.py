"""Which glyph map and which metrics each family of the face table gets."""
from dataclasses import dataclass
from typing import Callable

import codabar
import code128
import code128_abc
import code39
import code93
import ean_upc
import interleaved25
import metrics
import postnet


@dataclass(frozen=True)
class Family:
    glyph_defs: Callable    # face -> [GlyphDef]
    metrics: Callable       # face -> FaceMetrics


def _linear(**options):
    return lambda face: metrics.linear(face, **options)


FAMILIES = {
    "25i": Family(lambda face: interleaved25.glyph_defs(face.text), _linear()),
    "Bearer 25i": Family(lambda face: interleaved25.glyph_defs(face.text, bearer=face.bearer),
                         _linear()),
    "ITF14": Family(lambda face: interleaved25.glyph_defs(face.text, bearer=face.bearer,
                                                          closed_box=True), _linear()),
    "39": Family(lambda face: code39.glyph_defs(face.text), _linear()),
    "93": Family(lambda face: code93.glyph_defs(face.text), _linear()),
    "Code 128AB": Family(lambda face: code128.glyph_defs("AB", face.text), _linear()),
    "Code 128ABhr": Family(lambda face: code128.glyph_defs("AB", face.text), _linear()),
    "Code 128C": Family(lambda face: code128.glyph_defs("C", face.text), _linear()),
    "Code 128Chr": Family(lambda face: code128.glyph_defs("C", face.text),
                          _linear(text_scale=metrics.CODE128C_TEXT_SCALE)),
    "Code 128ABC": Family(lambda face: code128_abc.glyph_defs(), _linear()),
    "Codabar": Family(lambda face: codabar.glyph_defs(face.text), _linear()),
    "EAN": Family(lambda face: ean_upc.ean_glyph_defs(), metrics.ean_upc),
    "UPCA": Family(lambda face: ean_upc.upca_glyph_defs(), metrics.ean_upc),
    "UPCE": Family(lambda face: ean_upc.upce_glyph_defs(), metrics.ean_upc),
    "Postal": Family(lambda face: postnet.glyph_defs(False), metrics.postnet),
}
