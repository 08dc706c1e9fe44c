"""Which glyph map and which metrics each family of the face table gets."""
from dataclasses import dataclass
from typing import Callable

import codabar
import code128
import code39
import code93
import ean_upc
import interleaved25
import metrics
import postnet

# Pairs of digits under a Code 128 C symbol of 11 modules need smaller text.
CODE128C_TEXT_SCALE = 0.36


@dataclass(frozen=True)
class Family:
    glyph_defs: Callable    # human_readable -> [GlyphDef]
    metrics: Callable       # size letter -> FaceMetrics
    always_readable: bool = False  # the family carries its text whatever the face table says


def _linear(**options):
    return lambda size: metrics.linear(size, **options)


FAMILIES = {
    "25i": Family(interleaved25.glyph_defs, _linear()),
    "Bearer 25i": Family(lambda hr: interleaved25.glyph_defs(hr, bearer=True), _linear(bearer=True)),
    "ITF14": Family(lambda hr: interleaved25.glyph_defs(hr, bearer=True, closed_box=True),
                    _linear(bearer=True)),
    "39": Family(code39.glyph_defs, _linear()),
    "93": Family(code93.glyph_defs, _linear()),
    "Code 128AB": Family(lambda hr: code128.glyph_defs("AB", hr), _linear()),
    "Code 128ABhr": Family(lambda hr: code128.glyph_defs("AB", hr), _linear(), True),
    "Code 128C": Family(lambda hr: code128.glyph_defs("C", hr), _linear()),
    "Code 128Chr": Family(lambda hr: code128.glyph_defs("C", hr),
                          _linear(text_scale=CODE128C_TEXT_SCALE), True),
    "Codabar": Family(codabar.glyph_defs, _linear()),
    "EAN": Family(lambda hr: ean_upc.ean_glyph_defs(), metrics.ean_upc, True),
    "UPCA": Family(lambda hr: ean_upc.upca_glyph_defs(), metrics.ean_upc, True),
    "UPCE": Family(lambda hr: ean_upc.upce_glyph_defs(), metrics.ean_upc, True),
    "Postal": Family(postnet.glyph_defs, lambda size: metrics.postnet()),
}
