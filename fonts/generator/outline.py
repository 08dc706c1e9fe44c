"""Turns a GlyphDef into a TrueType glyph on its face's grid."""
from fontTools.pens.ttGlyphPen import TTGlyphPen


def _rectangle(pen, left, bottom, right, top):
    # Clockwise, as TrueType fills outer contours.
    pen.moveTo((left, bottom))
    pen.lineTo((left, top))
    pen.lineTo((right, top))
    pen.lineTo((right, bottom))
    pen.closePath()


def tt_glyph(gdef, metrics, text):
    """The glyph and its advance width in font units."""
    pen = TTGlyphPen(None)
    m = metrics.module
    for bars in gdef.bars:
        bottom, top = metrics.roles[bars.role]
        for left, right in bars.spans:
            _rectangle(pen, round(left * m), bottom, round(right * m), top)
    for t in gdef.texts:
        text.draw(t.text, metrics.text_scales[t.place], t.center * m,
                  metrics.text_baselines[t.place], pen)
    return pen.glyph(), round(gdef.advance * m)
