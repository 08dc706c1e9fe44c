"""Human-readable text drawn from the outlines of a free OCR-B font.

The source font has cubic (CFF) outlines; TrueType wants quadratic ones, so every
contour goes through cu2qu, with the direction reversed (CFF outer contours run
counter-clockwise, TrueType ones clockwise).
"""
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.recordingPen import RecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

# Largest distance, in our font units, between a cubic curve and its quadratic copy.
MAX_ERROR = 1.0


class TextOutlines:
    def __init__(self, path):
        font = TTFont(path)
        self._cmap = font.getBestCmap()
        self._glyphs = font.getGlyphSet()
        self._scaled = {}  # (char, scale) -> recorded quadratic outline at the origin

    def width(self, text, scale):
        return sum(self._glyphs[self._cmap[ord(c)]].width for c in text) * scale

    def draw(self, text, scale, center_x, baseline, pen):
        """Draws `text` centred on `center_x` with its baseline at `baseline`."""
        x = center_x - self.width(text, scale) / 2
        for c in text:
            for op, points in self._outline(c, scale):
                getattr(pen, op)(*[(px + x, py + baseline) for px, py in points])
            x += self._glyphs[self._cmap[ord(c)]].width * scale

    def _outline(self, char, scale):
        key = (char, scale)
        if key not in self._scaled:
            recording = RecordingPen()
            quadratic = Cu2QuPen(recording, MAX_ERROR, reverse_direction=True)
            self._glyphs[self._cmap[ord(char)]].draw(TransformPen(quadratic, (scale, 0, 0, scale, 0, 0)))
            self._scaled[key] = recording.value
        return self._scaled[key]
