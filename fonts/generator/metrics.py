"""The module grid and the vertical figures of every face, in font units.

Bars are whole numbers of modules and a module is a whole number of font units, so
every bar edge lies on the same grid and no edge falls between two units.
"""
from dataclasses import dataclass

UNITS_PER_EM = 1000

# Module width of the linear and EAN/UPC faces: 1/20 em, so 5 px at 24 pt and 300 dpi.
MODULE = 50

# Bar height in modules for each size letter, at the same module width.
LINEAR_HEIGHT = {"a": 8, "b": 11, "c": 14, "d": 17, "e": 20, "f": 23}
# EAN/UPC symbols are 95 modules wide and carry add-on digits above their add-on bars,
# so their bars stand taller.
EAN_UPC_HEIGHT = {"a": 14, "b": 18, "c": 22, "d": 26, "e": 30}

GUARD_DESCENT = 5   # modules the EAN/UPC guard bars reach below the data bars
ADDON_DROP = 9      # modules between the top of the main bars and the top of the add-on bars
TEXT_DROP = 8       # modules from the bottom of the bars down to the text baseline
ADDON_TEXT_DROP = 8 # modules from the top of the main bars down to the add-on text baseline
BEARER = 4          # modules of bearer bar thickness, also the closed box's sides

TEXT_SCALE = 0.45        # text outlines: digits about 7 modules tall
SMALL_TEXT_SCALE = 0.32  # the UPC digits outside the guards

# PostNet has its own grid: 20 units, so that at its 18 pt a bar is 0.02 in wide,
# the pitch 0.045 in, a full bar 0.125 in and a half bar 0.05 in tall.
POSTNET_MODULE = 20
POSTNET_TALL = 25
POSTNET_SHORT = 10


@dataclass(frozen=True)
class FaceMetrics:
    module: int          # font units per module
    roles: dict          # role -> (bottom, top) in font units
    text_baselines: dict # text place -> baseline in font units
    text_scales: dict    # text place -> scale applied to the text font's outlines


def linear(size, bearer=False, text_scale=TEXT_SCALE):
    """Bars standing on the baseline; text below them (below the bearer when there is one)."""
    return _bars_on_baseline(MODULE * LINEAR_HEIGHT[size], bearer, text_scale)


def ean_upc(size):
    h = MODULE * EAN_UPC_HEIGHT[size]
    m = _bars_on_baseline(h, False, TEXT_SCALE)
    m.roles.update(guard=(-MODULE * GUARD_DESCENT, h),
                   addon=(-MODULE * GUARD_DESCENT, h - MODULE * ADDON_DROP))
    m.text_baselines.update(above=h - MODULE * ADDON_TEXT_DROP)
    return m


def postnet():
    unit = POSTNET_MODULE
    return FaceMetrics(unit, {"tall": (0, unit * POSTNET_TALL), "short": (0, unit * POSTNET_SHORT)},
                       {}, {})


def _bars_on_baseline(height, bearer, text_scale):
    b = MODULE * BEARER if bearer else 0
    roles = {"bar": (0, height)}
    if bearer:
        roles.update(bearer_top=(height, height + b), bearer_bottom=(-b, 0), side=(-b, height + b))
    baseline = -b - MODULE * TEXT_DROP
    return FaceMetrics(MODULE, roles, {"below": baseline, "small": baseline},
                       {"below": text_scale, "small": SMALL_TEXT_SCALE, "above": text_scale})
