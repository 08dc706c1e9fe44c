#!/usr/bin/python3
"""The Debian packages as a user's machine gets them: build all six with
CPack, let lintian, desktop-file-validate and appstreamcli judge them, install
fonts-zindra, libzindra0 and zindra with apt-get and run the installed
zindra-encode and window with nothing more (the window starts for a user who
never ran it: the product folder must be seeded and the sample drawn in the
installed face), then add libzindra-dev, python3-zindra and libreoffice-zindra
and use them (a C program built through pkg-config, the Python module, the
Calc functions in a fresh LibreOffice profile), purge all six and find none
of their files left.

Needs root (it installs into /usr). Without root it is skipped, except under
CI, where that is a failure.

Usage (on an X display, e.g. under xvfb-run -a):
    package_test.py BUILD_DIR VERSION
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir))
import decoders  # noqa: E402
from x11_windows import TIMEOUT, close, fail, wait_for  # noqa: E402


FACE_FILE = "/usr/share/fonts/truetype/zindra/Tessary-39-d.ttf"
# What the installer puts into a product folder, worked out from the product
# files and the eight label stocks.
PRODUCT_FILES = ["zindratips.ini", "Zindras.rtf", "zindra.html", "help.css", "ot060.rtf",
                 "ot161.rtf", "ot162.rtf", "ot163.rtf", "ot164.rtf", "ot167.rtf", "ot197.rtf",
                 "ot570.rtf"]
# Completion of "zindra-encode -s co": the symbology names that start so.
CODE_SYMBOLOGIES = ["codabar", "code128", "code39", "code93"]


def run(*args, env=None, check=True):
    done = subprocess.run(args, capture_output=True, text=True, env=env)
    if check and done.returncode != 0:
        fail("%s ended with %d:\n%s%s" % (" ".join(args), done.returncode, done.stdout,
                                          done.stderr))
    return done


# What each package must declare; "(=)" stands for "(= the version being built)".
# The programs need the faces and the library of the same build, and xdg-utils
# to open the help and the label templates; a browser and a word processor
# that reads RTF make those documents open.
PACKAGES = [
    ("fonts-zindra", "all", {"Section": ["fonts"], "Multi-Arch": ["foreign"],
                             "Depends": ["fontconfig"]}),
    ("libzindra0", "native", {"Section": ["libs"], "Depends": ["libc6", "libstdc++6"]}),
    ("libzindra-dev", "native", {"Section": ["libdevel"], "Depends": ["libzindra0 (=)"]}),
    ("python3-zindra", "all", {"Section": ["python"],
                               "Depends": ["libzindra0 (=)", "python3:any"]}),
    ("libreoffice-zindra", "all", {"Section": ["editors"],
                                   "Depends": ["libreoffice-calc | libreoffice-calc-nogui",
                                               "python3-uno", "python3-zindra (=)",
                                               "fonts-zindra (=)"]}),
    ("zindra", "native", {"Section": ["graphics"],
                          "Depends": ["fonts-zindra (=)", "libzindra0 (=)", "xdg-utils",
                                      "libqt6widgets6", "libc6"],
                          "Recommends": ["x-www-browser | www-browser",
                                         "libreoffice-writer | abiword"]}),
]
# What zindra-encode needs to run: installed first and used alone.
RUNTIME = ["fonts-zindra", "libzindra0", "zindra"]


def declared(deb, field):
    """A control field's comma-separated items, and the field as written."""
    value = run("dpkg-deb", "-f", deb, field).stdout.strip()
    return [item.strip() for item in value.split(",") if item.strip()], value


def check_fields(deb, version, fields):
    for field, wanted in fields.items():
        items, value = declared(deb, field)
        names = {item.split(" (")[0] for item in items}
        for want in wanted:
            pinned = want.replace("(=)", "(= %s)" % version)
            if pinned not in items and (pinned != want or want not in names):
                fail("%s: %s lacks %r: %r" % (os.path.basename(deb), field, pinned, value))


def build_packages(build, version):
    run("cmake", "--build", build, "--target", "package")
    arch = run("dpkg", "--print-architecture").stdout.strip()
    debs = {}
    for name, kind, fields in PACKAGES:
        deb_arch = "all" if kind == "all" else arch
        deb = os.path.join(build, "%s_%s_%s.deb" % (name, version, deb_arch))
        if not os.path.isfile(deb):
            fail("no %s after the package target" % deb)
        check_fields(deb, version, fields)
        print("%s: %d bytes\n  Depends: %s" % (os.path.basename(deb), os.path.getsize(deb),
                                                declared(deb, "Depends")[1]))
        debs[name] = deb
    # lintian refuses nothing as root but says so on stderr; its tags go to stdout.
    lint = run("lintian", "--fail-on", "error,warning", *debs.values(), check=False)
    print("lintian:\n" + lint.stdout)
    if lint.returncode != 0 or any(line.startswith(("E:", "W:"))
                                   for line in lint.stdout.splitlines()):
        fail("lintian reports errors or warnings")
    return debs


def validate_desktop_files():
    run("desktop-file-validate", "/usr/share/applications/zindra.desktop")
    run("appstreamcli", "validate", "--no-net",
        "/usr/share/metainfo/com.example.Zindra.metainfo.xml")
    for size in (16, 22, 24, 32, 48, 64, 128, 256):
        if not os.path.isfile("/usr/share/icons/hicolor/%dx%d/apps/zindra.png" % (size, size)):
            fail("no %d pixel icon" % size)


def user_environment(home):
    runtime = os.path.join(home, "runtime")
    os.mkdir(runtime, 0o700)
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("XDG_", "FONTCONFIG", "QT_", "PYTHON", "PKG_CONFIG", "LD_"))}
    env.update(HOME=home, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
    return env


def press(disp, keys):
    codes = [disp.keysym_to_keycode(XK.string_to_keysym(key)) for key in keys]
    for code in codes:
        xtest.fake_input(disp, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(disp, X.KeyRelease, code)
    disp.sync()
    time.sleep(0.1)


def mapped_fonts(pid):
    with open("/proc/%d/maps" % pid, encoding="utf-8") as f:
        return {line.split()[-1] for line in f if line.rstrip().endswith(".ttf")}


def first_start(env, home):
    """The installed program for a user who never ran it: the product folder
    is seeded, the tip of the day (read from the seeded settings file) shows,
    and a Make draws the sample in the installed face."""
    product = os.path.join(home, "Documents", "Zindra")
    disp = display.Display()
    program = subprocess.Popen(["/usr/bin/zindra"], env=env)
    try:
        main = wait_for(disp, "Zindra")
        wm_class = main.get_wm_class()
        if not wm_class or wm_class[1] != "Zindra":
            fail("WM_CLASS %r does not match StartupWMClass=Zindra" % (wm_class,))
        main.set_input_focus(X.RevertToParent, X.CurrentTime)
        disp.sync()
        close(disp, wait_for(disp, "Tip of the Day"))
        time.sleep(0.5)
        main.set_input_focus(X.RevertToParent, X.CurrentTime)
        disp.sync()
        for key in "CODE39":
            press(disp, ["Shift_L", key] if key.isalpha() else [key])
        press(disp, ["Alt_L", "m"])
        end = time.time() + TIMEOUT
        while FACE_FILE not in mapped_fonts(program.pid) and time.time() < end:
            time.sleep(0.2)
        fonts = mapped_fonts(program.pid)
        if FACE_FILE not in fonts:
            fail("the sample was not drawn in %s; the program has %s" % (FACE_FILE, sorted(fonts)))
        strays = [font for font in fonts if not font.startswith("/usr/share/fonts/")]
        if strays:
            fail("faces from outside the installed fonts: %s" % strays)
    finally:
        program.kill()
        program.wait()
    missing = [name for name in PRODUCT_FILES if not os.path.isfile(os.path.join(product, name))]
    if missing:
        fail("the first start did not seed %s" % missing)
    with open(os.path.join(product, "zindratips.ini"), encoding="utf-8") as f:
        if "[TipoftheDay]" not in f.read():
            fail("the seeded settings file has no tips")


def installed_tools(env, home, version):
    face = run("fc-match", "-f", "%{file}", "Tessary 39 d", env=env).stdout
    if face != FACE_FILE:
        fail("fontconfig resolves 'Tessary 39 d' to %r" % face)
    for program in ("zindra", "zindra-encode"):
        said = run("/usr/bin/" + program, "--version", env=env).stdout.strip()
        if said != "%s %s" % (program, version):
            fail("%s --version says %r" % (program, said))
    # Code 39 of CODE39 with its mod-43 check: values sum to 75, 75 mod 43 = 32 = "W".
    line = run("/usr/bin/zindra-encode", "--checksum", "CODE39", env=env).stdout.strip()
    if line != "*CODE39W*":
        fail("zindra-encode --checksum CODE39 printed %r" % line)
    png = os.path.join(home, "code39.png")
    run("/usr/bin/zindra-encode", "-s", "code39", "--png", png, "CODE39", env=env)
    read = decoders.zbar([png])[png]
    if read != [("CODE-39", "CODE39", "")]:
        fail("the installed --png helper drew %r" % read)
    page = run("man", "-w", "zindra-encode", env=env).stdout.strip()
    if page != "/usr/share/man/man1/zindra-encode.1.gz":
        fail("man -w zindra-encode gives %r" % page)
    completion = run("bash", "-c", 'source /usr/share/bash-completion/bash_completion; '
                     'source /usr/share/bash-completion/completions/zindra-encode; '
                     'COMP_WORDS=(zindra-encode -s co); COMP_CWORD=2; '
                     'COMP_LINE="zindra-encode -s co"; COMP_POINT=${#COMP_LINE}; '
                     '_zindra_encode zindra-encode co -s; printf "%s\\n" "${COMPREPLY[@]}"',
                     env=env).stdout.split()
    if sorted(completion) != CODE_SYMBOLOGIES:
        fail("completing -s co offers %s" % completion)


def development_files(env, home, version):
    """libzindra-dev as a C programmer meets it: the library's own C test
    program built through pkg-config against the installed files only."""
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "library", "c",
                          "c_api_test.c")
    program = os.path.join(home, "c_api_test")
    flags = run("pkg-config", "--cflags", "--libs", "zindra", env=env).stdout.split()
    run("cc", "-std=c11", '-DZINDRA_EXPECTED_VERSION="%s"' % version, source, *flags,
        "-lpthread", "-o", program, env=env)
    run(program, env=env)


def python_module(env):
    """python3-zindra in Debian's own interpreter, which may write its byte
    code beside the module as it would for any user."""
    line = run("/usr/bin/python3", "-c", "import zindra; "
               "print(zindra.encode('CODE39', checksum=True).font_string)",
               env=env).stdout.strip()
    if line != "*CODE39W*":
        fail("zindra.encode('CODE39', checksum=True) gives %r" % line)


# The Calc functions a user types, as the Function Wizard lists them.
CALC_FUNCTIONS = ["ZINDRA", "ZINDRA.FACE", "ZINDRA.ERROR", "ZINDRA.CODE39", "ZINDRA.CODE93",
                  "ZINDRA.CODE128", "ZINDRA.I25", "ZINDRA.ITF14", "ZINDRA.CODABAR",
                  "ZINDRA.EAN8", "ZINDRA.EAN13", "ZINDRA.ISBN", "ZINDRA.UPCA", "ZINDRA.UPCE",
                  "ZINDRA.POSTNET"]


def calc_functions(env):
    """libreoffice-zindra for a user whose LibreOffice profile is new: the
    bundled add-in is found with no step of theirs, and answers."""
    for path in ("/usr/share/zindra/zindra.oxt",
                 "/usr/lib/libreoffice/share/extensions/zindra/description.xml"):
        if not os.path.isfile(path):
            fail("no %s" % path)
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir,
                                    "office"))
    from calc_session import Calc
    with Calc(installed=True, env=env) as calc:
        listed = calc.function_entries()
        document = calc.new_document()
        cell = document.Sheets.getByIndex(0).getCellByPosition(0, 0)
        cell.setFormula('=ZINDRA.CODE39("CODE39";TRUE())')
        document.calculateAll()
        shown = cell.getString()
        document.close(True)
    missing = [name for name in CALC_FUNCTIONS if name not in listed]
    if missing:
        fail("Calc does not know %s" % missing)
    # Code 39 of CODE39 with its mod-43 check, as zindra-encode --checksum prints it.
    if shown != "*CODE39W*":
        fail('=ZINDRA.CODE39("CODE39";TRUE()) shows %r' % shown)


def owned_paths(names):
    """The files of the packages and the folders nothing else owns: all must go
    with the purge."""
    paths = {path for name in names for path in run("dpkg", "-L", name).stdout.splitlines()}
    folders = sorted(path for path in paths
                     if path != "/." and os.path.isdir(path) and not os.path.islink(path))
    ours = set()
    for line in run("dpkg", "-S", *folders).stdout.splitlines():
        owners, path = line.split(": ", 1)
        if {owner.split(":")[0] for owner in owners.split(", ")} <= set(names):
            ours.add(path)
    return sorted(ours) + [path for path in paths if os.path.isfile(path)]


def apt_install(debs, names, env):
    run("apt-get", "install", "-y", "-q", "--no-install-recommends",
        *[os.path.abspath(debs[name]) for name in names], env=env)


def install_and_use(debs, version):
    files = []
    home = tempfile.mkdtemp(prefix="zindra-package-")
    apt = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    names = [name for name, _, _ in PACKAGES]
    # With none of them there beforehand, the first step shows what zindra-encode needs.
    before = [name for name in names if run("dpkg", "-L", name, check=False).returncode == 0]
    if before:
        fail("%s already installed: purge them before the package test" % before)
    try:
        apt_install(debs, RUNTIME, apt)
        validate_desktop_files()
        env = user_environment(home)
        installed_tools(env, home, version)
        first_start(env, home)
        apt_install(debs, [name for name in names if name not in RUNTIME], apt)
        files = owned_paths(names)
        development_files(env, home, version)
        python_module(env)
        calc_functions(env)
    finally:
        run("apt-get", "purge", "-y", "-q", *names, env=apt, check=False)
        shutil.rmtree(home, ignore_errors=True)
    known = [name for name in names if run("dpkg", "-L", name, check=False).returncode == 0]
    if known:
        fail("dpkg still knows files of %s after the purge" % known)
    left = [path for path in files if os.path.lexists(path)]
    if left:
        fail("left behind after the purge: %s" % left[:10])
    print("packages: installed, used and purged; %d files and folders came and went"
          % len(files))


def main(build, version):
    if os.geteuid() != 0:
        if os.environ.get("CI"):
            fail("the package test installs into /usr and must run as root")
        print("package test skipped: it installs into /usr and needs root")
        return 77
    install_and_use(build_packages(build, version), version)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
