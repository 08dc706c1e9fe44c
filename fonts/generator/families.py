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
    glyph_defs: Callable    # face, the engine's glyph map (family -> symbol -> codes) -> [GlyphDef]
    metrics: Callable       # face -> FaceMetrics


def _linear(**options):
    return lambda face: metrics.linear(face, **options)


def _own(glyph_defs):
    """glyph_defs(face, the family's own part of the glyph map)"""
    return lambda face, maps: glyph_defs(face, maps.get(face.family, {}))


def _code128(subset, other_family):
    """The Code 128 faces also hold the starts that only the other subset writes."""
    return lambda face, maps: code128.glyph_defs(subset, face.text, maps[face.family],
                                                 maps[other_family])


FAMILIES = {
    "25i": Family(_own(lambda face, chars: interleaved25.glyph_defs(face.text, chars)),
                  _linear()),
    "Bearer 25i": Family(_own(lambda face, chars: interleaved25.glyph_defs(
        face.text, chars, bearer=face.bearer)), _linear()),
    "ITF14": Family(_own(lambda face, chars: interleaved25.glyph_defs(
        face.text, chars, bearer=face.bearer, closed_box=True)), _linear()),
    "39": Family(_own(lambda face, chars: code39.glyph_defs(face.text, chars)), _linear()),
    "93": Family(_own(lambda face, chars: code93.glyph_defs(face.text, chars)), _linear()),
    "Code 128AB": Family(_code128("AB", "Code 128C"), _linear()),
    "Code 128ABhr": Family(_code128("AB", "Code 128C"), _linear()),
    "Code 128C": Family(_code128("C", "Code 128AB"), _linear()),
    "Code 128Chr": Family(_code128("C", "Code 128AB"),
                          _linear(text_scale=metrics.CODE128C_TEXT_SCALE)),
    "Code 128ABC": Family(lambda face, maps: code128_abc.glyph_defs(), _linear()),
    "Codabar": Family(_own(lambda face, chars: codabar.glyph_defs(face.text, chars)), _linear()),
    "EAN": Family(_own(lambda face, chars: ean_upc.ean_glyph_defs(chars)), metrics.ean_upc),
    "UPCA": Family(_own(lambda face, chars: ean_upc.upca_glyph_defs(chars)), metrics.ean_upc),
    "UPCE": Family(_own(lambda face, chars: ean_upc.upce_glyph_defs(chars)), metrics.ean_upc),
    "Postal": Family(_own(lambda face, chars: postnet.glyph_defs(chars)), metrics.postnet),
}
