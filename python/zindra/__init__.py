"""Font strings for the Zindra bar-code faces.

In the Zindra faces every bar pattern is a glyph, so a bar code is printed by
setting the right characters in the right face. encode() turns data and a
symbology's choices into those characters (the font string), names the face
to set them in and says how big the bar code prints:

    >>> answer = zindra.encode("CODE39", checksum=True)
    >>> answer.font_string, answer.face
    ('*CODE39W*', 'Tessary 39 d')

A failure raises EncodeError, a ValueError with the engine's message.
faces() lists the faces with their geometry.

The work is done by libzindra (package libzindra0), the engine that the
window and zindra-encode use too, so the answers are theirs. Every function
may be called from several threads at once.
"""

from ._encode import Answer, EncodeError, encode
from ._faces import Face, faces
from ._native import lib as _lib

__all__ = ["encode", "Answer", "EncodeError", "faces", "Face", "__version__"]

# Callers (and help(), and pickle) know these as zindra.encode, zindra.Answer,
# ...: where they are written is none of theirs.
for _public in (encode, Answer, EncodeError, faces, Face):
    _public.__module__ = __name__
del _public

# The version of libzindra that answers: the package has none of its own.
__version__: str = _lib.zindra_version().decode("ascii")
