#!/usr/bin/python3
"""Outputs are whole or nothing, never the input and never written through
another user's link: real zindra-encode runs, killed at random moments, run
past `ulimit -f`, run side by side, and pointed at links another uid planted.

Usage: output_safety_test.py ZINDRA_ENCODE
"""

import os
import random
import resource
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

ENCODE = sys.argv[1]
NOBODY = 65534
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def sheet_run(csv, pdf, **kw):
    return subprocess.Popen([ENCODE, "--batch", csv, "--sheet", "5160", "--pdf", pdf],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, **kw)


def renders(pdf):
    """A complete PDF: poppler reads its cross-reference table and draws page 1."""
    run = subprocess.run(["pdftoppm", "-f", "1", "-l", "1", "-r", "10", "-png", pdf],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    # poppler rebuilds a lost cross-reference table and may still draw page
    # 1 of a cut file, so the end of the file is checked as well.
    whole = read(pdf).rstrip().endswith(b"%%EOF")
    return whole and run.returncode == 0 and run.stdout.startswith(b"\x89PNG") and not run.stderr


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def killed_runs(folder):
    """Each run is killed at a random moment: the target is the old file or a new whole PDF."""
    small = os.path.join(folder, "small.csv")
    big = os.path.join(folder, "big.csv")
    target = os.path.join(folder, "labels.pdf")
    write(small, b"OLD1\nOLD2\n")
    write(big, "".join("CODE%d,caption %d\n" % (i, i) for i in range(20000)).encode())
    check(sheet_run(small, target).wait() == 0, "the old sheet is written")
    old = read(target)
    start = time.monotonic()
    check(sheet_run(big, target).wait() == 0, "a whole run succeeds")
    whole = time.monotonic() - start
    random.seed(17)
    signals = [signal.SIGTERM, signal.SIGINT, signal.SIGHUP, signal.SIGKILL]
    outcomes = {"old": 0, "new": 0}
    for round_ in range(16):
        write(target, old)
        run = sheet_run(big, target)
        time.sleep(random.uniform(0, whole * 1.1))
        run.send_signal(signals[round_ % len(signals)])
        run.wait()
        now = read(target)
        if now == old:
            outcomes["old"] += 1
        else:
            check(renders(target), "round %d: the target is the old file or a whole PDF" % round_)
            outcomes["new"] += 1
        left = sorted(set(os.listdir(folder)) - {"small.csv", "big.csv", "labels.pdf"})
        check(not left, "round %d: no temporary file is left: %s" % (round_, left))
    print("killed runs (whole run %.2f s):" % whole, outcomes)

    # Past the size limit a write fails: the old file stays, status 2.
    write(target, old)
    limit = lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (100 * 1024, 100 * 1024))
    run = sheet_run(big, target, preexec_fn=limit)
    err = run.communicate()[1].decode()
    check(run.returncode == 2 and "File too large" in err, "ulimit -f: status 2: " + err)
    check(read(target) == old, "ulimit -f: the old file stays")
    check(sorted(os.listdir(folder)) == ["big.csv", "labels.pdf", "small.csv"],
          "ulimit -f: no temporary file")

    # Two runs on one path: both succeed and the file is one of them, whole.
    runs = [sheet_run(big, target), sheet_run(small, target)]
    check([r.wait() for r in runs] == [0, 0], "side by side: both succeed")
    check(renders(target), "side by side: the file is whole")


def same_file(folder):
    """The input is never the output, by name, symlink or hard link."""
    csv = os.path.join(folder, "same.csv")
    write(csv, b"CODE39\n")
    os.symlink("same.csv", os.path.join(folder, "soft.csv"))
    os.link(csv, os.path.join(folder, "hard.csv"))
    for name in ("same.csv", "soft.csv", "hard.csv"):
        run = sheet_run(csv, os.path.join(folder, name))
        err = run.communicate()[1].decode()
        check(run.returncode == 2 and "is the input file" in err, name + ": refused: " + err)
        check(read(csv) == b"CODE39\n", name + ": the input is kept")


def byte_names(folder):
    """A name that is not UTF-8 is written as given."""
    csv = os.path.join(folder, "a.csv")
    write(csv, b"CODE39\n")
    name = os.path.join(folder.encode(), b"old-\xe9.pdf")
    env = dict(os.environ, LC_ALL="C")
    for args in ([b"--batch", csv.encode(), b"--sheet", b"5160", b"--pdf", name],
                 [b"--png", name, b"CODE39"], [b"--sample-page", name, b"CODE39"]):
        if os.path.lexists(name):
            os.unlink(name)
        run = subprocess.run([ENCODE.encode()] + args, env=env, stdout=subprocess.DEVNULL)
        check(run.returncode == 0 and os.path.exists(name), "byte name: %r" % args[:2])
        check(sorted(os.listdir(folder.encode())) == [b"a.csv", b"old-\xe9.pdf"],
              "byte name: nothing else written: %r" % os.listdir(folder.encode()))


def missing_faces(folder):
    """Without our faces no writer sets the font string in another font."""
    programs = os.path.join(folder, "bin")
    os.mkdir(programs)
    # A copy outside the build tree registers no built faces, and a font
    # set-up of one text face leaves ours out whatever this machine has.
    for name in ("zindra-encode", "zindra-encode-png", "zindra-encode-sheet"):
        shutil.copy(os.path.join(os.path.dirname(ENCODE), name), programs)
    config = os.path.join(folder, "fonts.conf")
    write(config, ("<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                   "<cachedir>%s</cachedir></fontconfig>" % os.path.join(folder, "cache")).encode())
    env = dict(os.environ, FONTCONFIG_FILE=config, HOME=folder, XDG_DATA_HOME=folder)
    csv = os.path.join(folder, "r.csv")
    write(csv, b"ABC\n")
    for args in (["--sample-page", "page.pdf", "ABC"], ["--png", "sample.png", "ABC"],
                 ["--batch", csv, "--sheet", "5160", "--pdf", "sheet.pdf"]):
        out = os.path.join(folder, next(a for a in args if a.endswith((".pdf", ".png"))))
        args = [os.path.join(folder, a) if a.endswith((".pdf", ".png")) else a for a in args]
        run = subprocess.run([os.path.join(programs, "zindra-encode")] + args, env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        err = run.stderr.decode()
        check(run.returncode == 2 and "is not installed" in err,
              "%s without the faces: refused: %s" % (args[0], err))
        check(not os.path.exists(out), args[0] + " without the faces: nothing written")


def as_nobody():
    os.setgroups([])
    os.setgid(NOBODY)
    os.setuid(NOBODY)


def foreign_links(folder):
    """In a sticky shared folder another user's link never chooses the file written."""
    shared = os.path.join(folder, "shared")
    os.mkdir(shared)
    os.chmod(shared, 0o1777)
    os.chmod(folder, 0o755)
    precious = os.path.join(folder, "precious")
    write(precious, b"mine alone\n")
    os.chmod(precious, 0o600)
    csv = os.path.join(folder, "r.csv")
    write(csv, b"CODE39\n")
    os.chmod(csv, 0o644)
    # Another user's link to a device is replaced too, never written through.
    device_link = os.path.join(shared, "to-device.pdf")
    subprocess.run(["ln", "-s", "/dev/full", device_link], preexec_fn=as_nobody, check=True)
    run = subprocess.run([ENCODE, "--batch", csv, "--sheet", "5160", "--pdf", device_link])
    check(run.returncode == 0 and not os.path.islink(device_link) and renders(device_link),
          "a planted link to a device is replaced by the sheets")
    outputs = {
        "sheet": lambda path: ["--batch", csv, "--sheet", "5160", "--pdf", path],
        "png": lambda path: ["--png", path, "CODE39"],
        "sample page": lambda path: ["--sample-page", path, "CODE39"],
    }
    for kind, args in outputs.items():
        link = os.path.join(shared, "out-" + kind.replace(" ", "-"))
        subprocess.run(["ln", "-s", precious, link], preexec_fn=as_nobody, check=True)
        run = subprocess.run([ENCODE] + args(link), stdout=subprocess.DEVNULL)
        check(run.returncode == 0, kind + ": root replaces the planted link")
        check(read(precious) == b"mine alone\n", kind + ": the linked file is untouched")
        check(not os.path.islink(link) and stat.S_ISREG(os.lstat(link).st_mode),
              kind + ": the link was replaced by the output")

    # Where the system refuses the rename (another user's entry in a sticky
    # folder), the run says so, changes nothing and leaves nothing.
    link = os.path.join(shared, "root-link.pdf")
    os.symlink(precious, link)
    runtime = tempfile.mkdtemp(dir=shared)
    os.chown(runtime, NOBODY, NOBODY)
    os.chmod(runtime, 0o700)
    before = sorted(os.listdir(shared))
    run = subprocess.run([ENCODE] + outputs["sheet"](link), preexec_fn=as_nobody,
                         env=dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime),
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    err = run.stderr.decode()
    check(run.returncode == 2 and "belongs to another user" in err, "refused rename: " + err)
    check(os.path.islink(link) and read(precious) == b"mine alone\n", "refused: nothing changed")
    check(sorted(os.listdir(shared)) == before, "refused: no temporary file")


def main():
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    with tempfile.TemporaryDirectory() as folder:
        os.chmod(folder, 0o755)  # the second user must reach the shared folder
        for test in (same_file, byte_names, missing_faces):
            sub = os.path.join(folder, test.__name__)
            os.mkdir(sub)
            test(sub)
        if os.geteuid() == 0:
            sub = os.path.join(folder, "foreign")
            os.mkdir(sub)
            foreign_links(sub)
        elif os.environ.get("CI"):
            check(False, "the foreign-link test plays a second user and needs root")
        else:
            print("SKIP: the foreign-link test needs root")
        sub = os.path.join(folder, "killed")
        os.mkdir(sub)
        killed_runs(sub)
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
