"""The module grid and the vertical figures of every face, in font units.

The module of each family and the heights of each face come from the window model's
face table (zindra-list-faces writes them with the face list); this module only turns
them into font units and adds the shapes that stay inside those heights. Bars are
whole numbers of modules and a module is a whole number of font units, so every bar
edge lies on the same grid and no edge falls between two units.
"""
from dataclasses import dataclass

UNITS_PER_EM = 1000

ADDON_DROP = 9      # modules between the top of the main bars and the top of the add-on bars
ADDON_TEXT_DROP = 8 # modules from the top of the main bars down to the add-on text baseline

# Text outline scale per font unit of module, so that text keeps its size in modules
# whatever the module: digits about 7 modules tall.
TEXT_SCALE = 0.009
SMALL_TEXT_SCALE = 0.0064  # the UPC digits outside the guards
# Pairs of digits under a Code 128 C symbol of 11 modules need smaller text.
CODE128C_TEXT_SCALE = 0.0072

# PostNet's module is its bar; its grid is a quarter of that, so that a bar is 4 grid
# units wide and the bars stand 9 apart (0.045 in at 18 pt). A half bar is 0.05 in
# of the full bar's 0.125 in.
POSTNET_GRID_PER_BAR = 4
POSTNET_SHORT_SHARE = 0.4


@dataclass(frozen=True)
class FaceMetrics:
    module: int          # font units per module
    roles: dict          # role -> (bottom, top) in font units
    text_baselines: dict # text place -> baseline in font units
    text_scales: dict    # text place -> scale applied to the text font's outlines


def linear(face, text_scale=TEXT_SCALE):
    """Bars standing on the baseline; text below them (below the bearer when there is one)."""
    return _bars_on_baseline(face, text_scale)


def ean_upc(face):
    m = face.module
    h = m * face.bar
    metrics = _bars_on_baseline(face, TEXT_SCALE)
    metrics.roles.update(guard=(-m * face.guard_descent, h),
                         addon=(-m * face.guard_descent, h - m * ADDON_DROP))
    metrics.text_baselines.update(above=h - m * ADDON_TEXT_DROP)
    return metrics


def postnet(face):
    grid = face.module // POSTNET_GRID_PER_BAR
    tall = round(face.module * face.bar)
    return FaceMetrics(grid, {"tall": (0, tall), "short": (0, round(tall * POSTNET_SHORT_SHARE))},
                       {}, {})


def _bars_on_baseline(face, text_scale):
    m = face.module
    height, b = round(m * face.bar), round(m * face.bearer)
    roles = {"bar": (0, height)}
    if b:
        roles.update(bearer_top=(height, height + b), bearer_bottom=(-b, 0), side=(-b, height + b))
    baseline = -b - round(m * face.text_drop)
    return FaceMetrics(m, roles, {"below": baseline, "small": baseline},
                       {"below": text_scale * m, "small": SMALL_TEXT_SCALE * m, "above": text_scale * m})
