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

__version__: str = _lib.zindra_version().decode("ascii")
"""The version of libzindra that answers ("7.0")."""
