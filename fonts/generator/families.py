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
    glyph_defs: Callable    # face, the family's glyph map (symbol -> codes) -> [GlyphDef]
    metrics: Callable       # face -> FaceMetrics


def _linear(**options):
    return lambda face: metrics.linear(face, **options)


FAMILIES = {
    "25i": Family(lambda face, chars: interleaved25.glyph_defs(face.text, chars), _linear()),
    "Bearer 25i": Family(lambda face, chars: interleaved25.glyph_defs(face.text, chars,
                                                                      bearer=face.bearer),
                         _linear()),
    "ITF14": Family(lambda face, chars: interleaved25.glyph_defs(face.text, chars,
                                                                 bearer=face.bearer,
                                                                 closed_box=True), _linear()),
    "39": Family(lambda face, chars: code39.glyph_defs(face.text, chars), _linear()),
    "93": Family(lambda face, chars: code93.glyph_defs(face.text, chars), _linear()),
    "Code 128AB": Family(lambda face, chars: code128.glyph_defs("AB", face.text), _linear()),
    "Code 128ABhr": Family(lambda face, chars: code128.glyph_defs("AB", face.text), _linear()),
    "Code 128C": Family(lambda face, chars: code128.glyph_defs("C", face.text), _linear()),
    "Code 128Chr": Family(lambda face, chars: code128.glyph_defs("C", face.text),
                          _linear(text_scale=metrics.CODE128C_TEXT_SCALE)),
    "Code 128ABC": Family(lambda face, chars: code128_abc.glyph_defs(), _linear()),
    "Codabar": Family(lambda face, chars: codabar.glyph_defs(face.text, chars), _linear()),
    "EAN": Family(lambda face, chars: ean_upc.ean_glyph_defs(chars), metrics.ean_upc),
    "UPCA": Family(lambda face, chars: ean_upc.upca_glyph_defs(chars), metrics.ean_upc),
    "UPCE": Family(lambda face, chars: ean_upc.upce_glyph_defs(chars), metrics.ean_upc),
    "Postal": Family(lambda face, chars: postnet.glyph_defs(False), metrics.postnet),
}
