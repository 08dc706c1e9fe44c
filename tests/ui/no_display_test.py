"""The window on a machine without a usable display: exit 1 with one line that
says so and how to run under xvfb-run, instead of Qt's abort. --version still
answers there. Usage: no_display_test.py ZINDRA"""

import os
import subprocess
import sys
import tempfile

LINE_START = "zindra: cannot open a display ("
LINE_END = "); on a machine without one, run it as: xvfb-run -a zindra\n"


def unused_display():
    # Neither a socket nor a lock: no X server has that number here. Far above
    # where xvfb-run -a starts counting (99), so that a window test starting
    # its server beside this one does not take the number in between.
    for number in range(5000, 6000):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(
            f"/tmp/.X{number}-lock"
        ):
            return f":{number}"
    raise SystemExit("no free display number")


def run(zindra, home, display, *args):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    env["HOME"] = home
    if display:
        env["DISPLAY"] = display
    return subprocess.run([zindra, *args], env=env, capture_output=True, text=True,
                          timeout=60, cwd=home)


def main():
    zindra = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as home:
        free = unused_display()
        rows = [
            (None, "DISPLAY is not set"),
            (free, f"nothing answers at DISPLAY={free}"),
        ]
        for display, why in rows:
            done = run(zindra, home, display)
            expected = LINE_START + why + LINE_END
            if done.returncode != 1 or done.stderr != expected:
                failures.append(f"DISPLAY={display}: status {done.returncode}, "
                                f"stderr {done.stderr!r}, expected {expected!r}")
        version = run(zindra, home, None, "--version")
        if version.returncode != 0 or not version.stdout:
            failures.append(f"--version without a display: status {version.returncode}")
        if os.listdir(home):
            failures.append(f"left in the working folder: {os.listdir(home)}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
