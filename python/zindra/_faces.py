"""zindra.faces(): the faces of the Zindra set, as the library lists them."""

import ctypes
from dataclasses import dataclass
from typing import Optional, Tuple

from ._native import Face as _CFace, lib


@dataclass(frozen=True, slots=True)
class Face:
    """One face with its geometry. Heights are in modules (the narrow bar of
    the face's symbology); one module is `module_em` of an em.

    Attributes:
        name                   The family to set font strings in ("Tessary 39 d HR").
        symbology              The symbology whose bars it draws, as encode() names it
                               ("code39").
        size                   The size letter "a" to "f"; None for the one PostNet face.
        human_readable         Whether it prints the text under the bars.
        module_em              One module in em.
        quiet_zone_modules     The quiet zone each side that the symbology asks for.
        min_x_mm               The smallest X-dimension that scans reliably, in mm.
        max_x_mm               The largest usual X-dimension in mm; None when there is none.
        bar_modules            The bar height.
        bearer_modules         The bearer bar thickness; 0 without bearers.
        text_drop_modules      The foot of the bars to the text baseline; 0 without text.
        guard_descent_modules  How far EAN/UPC guard bars reach below the others.
        height_em              One printed line of the face, top of the bars to the foot of the
                               text.
    """

    name: str
    symbology: str
    size: Optional[str]
    human_readable: bool
    module_em: float
    quiet_zone_modules: float
    min_x_mm: float
    max_x_mm: Optional[float]
    bar_modules: float
    bearer_modules: float
    text_drop_modules: float
    guard_descent_modules: float
    height_em: float


def faces() -> Tuple[Face, ...]:
    """Every face of the Zindra set, in the library's order."""
    listed = []
    row = _CFace()
    for index in range(lib.zindra_face_count()):
        if not lib.zindra_face_at(index, ctypes.byref(row)):
            raise RuntimeError(f"zindra_face_at({index}) has no face")
        listed.append(Face(
            name=row.name.decode("utf-8"),
            symbology=lib.zindra_symbology_name(row.symbology).decode("ascii"),
            size=row.size.decode("ascii") if row.size != b"\0" else None,
            human_readable=bool(row.human_readable), module_em=row.module_em,
            quiet_zone_modules=row.quiet_zone_modules, min_x_mm=row.min_x_mm,
            max_x_mm=row.max_x_mm or None, bar_modules=row.bar_modules,
            bearer_modules=row.bearer_modules, text_drop_modules=row.text_drop_modules,
            guard_descent_modules=row.guard_descent_modules, height_em=row.height_em))
    return tuple(listed)
