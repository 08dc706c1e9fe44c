"""What the font tests share: where the built pieces are, and how to run the
encoder and the two decoders."""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir))
import decoders  # noqa: E402

ENCODER = os.environ.get("ZINDRA_ENCODE", "")
FONT_DIR = os.environ.get("ZINDRA_FONT_DIR", "")
FACE_LIST = os.environ.get("ZINDRA_FACE_LIST", "")
GLYPH_MAP = os.environ.get("ZINDRA_GLYPH_MAP", "")


def skip_unless(condition, why):
    """unittest.skipUnless, except where CI is set: the test command installs
    everything, so what is missing there fails the test instead."""
    if condition or not os.environ.get("CI"):
        return unittest.skipUnless(condition, why)

    def failing(test):
        def fail(self):
            self.fail(why + " (CI is set)")
        fail.__name__ = test.__name__
        return fail
    return failing


def scratch_dir(test_case):
    """A temporary folder for one test class, with the runtime folder Qt asks for."""
    folder = tempfile.TemporaryDirectory(prefix="zindra-fonts-")
    test_case.addClassCleanup(folder.cleanup)
    runtime = os.path.join(folder.name, "runtime")
    os.mkdir(runtime, 0o700)
    os.environ["XDG_RUNTIME_DIR"] = runtime
    return folder.name


def read_faces():
    """(name, family, size letter or "", draws text) for every face."""
    return [face[:4] for face in read_face_geometry()]


def read_face_geometry():
    """(name, family, size letter or "", draws text, font units per module) for every face."""
    with open(FACE_LIST, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f]
    return [(name, family, "" if size == "-" else size, text == "1", int(module))
            for name, family, size, text, module, *_ in rows]


def face_file(face_name):
    return os.path.join(FONT_DIR, face_name.replace(" ", "-") + ".ttf")


def encode_png(args, data, png, point_size=24, dpi=300):
    """Runs zindra-encode with `args` and writes the sample to `png`; returns its output."""
    command = [ENCODER, *args, "-p", str(point_size), "--png", png, "--dpi", str(dpi), "--", data]
    done = subprocess.run(command, capture_output=True, text=True, check=False)
    if done.returncode != 0:
        raise AssertionError(f"{command} failed: {done.stdout}{done.stderr}")
    return done.stdout


def zbar(png):
    """[(symbol type, data, modifiers)] as zbarimg reports them, add-ons switched on."""
    return decoders.zbar([png])[png]


def zxing(png):
    """[(format, bytes, identifier)] as ZXingReader reports them."""
    return [(kind, text.encode("latin-1"), identifier)
            for kind, text, identifier in decoders.zxing([png])[png]]
