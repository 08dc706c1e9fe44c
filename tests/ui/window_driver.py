"""Drives the real zindra program on an X display as a user does: keys and
clicks through xdotool, read back through the accessibility tree (AT-SPI),
window captions and frames through the X server, pixels through a screen grab.

Run under `xvfb-run -a dbus-run-session -- /usr/bin/python3 SCRIPT SOURCE BUILD`:
the accessibility bus is started here, on that private session bus.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

TIMEOUT = 20
TOOLS = ["xdotool", "/usr/libexec/at-spi-bus-launcher"]


def fail(message):
    sys.exit("FAIL: " + message)


failures = []


def expect(what, actual, wanted, settle=3.0):
    """`actual` may be a probe: the window gets a moment to catch up with the
    events just sent (a sanitizer build is slow), then the last value counts."""
    value = actual() if callable(actual) else actual
    end = time.time() + settle
    while callable(actual) and value != wanted and time.time() < end:
        time.sleep(0.1)
        value = actual()
    if value != wanted:
        failures.append("%s: got %r, expected %r" % (what, value, wanted))


def run_scenarios(d, scenarios, name, prepare=lambda d: None):
    """Installs the product folder with the tips off, runs `prepare`, then each
    scenario (or only the one named by $ONLY) against the desktop; closes it and
    fails with every row that did not hold."""
    try:
        file = d.install_product()
        edit_settings(file, {"Enabled": "0"}, section="TipoftheDay")
        prepare(d)
        for scenario in scenarios:
            if os.environ.get("ONLY", scenario.__name__) != scenario.__name__:
                continue
            started = time.time()
            print("--", scenario.__name__, flush=True)
            scenario(d, file)
            print("   %.1f s" % (time.time() - started), flush=True)
    finally:
        d.close()
        print("\n".join(failures), flush=True)
    if failures:
        fail("\n  ".join([""] + failures))
    print("%s: every row passed" % name)


def require_tools(extra=()):
    """A missing tool skips the test, except in CI where it fails."""
    missing = [t for t in list(TOOLS) + list(extra) if not shutil.which(t)]
    try:
        import gi  # noqa: F401
        from Xlib import display  # noqa: F401
    except ImportError as error:
        missing.append(str(error))
    if missing:
        if os.environ.get("CI"):
            fail("missing test tools: %s" % missing)
        print("SKIP: missing test tools: %s" % missing)
        sys.exit(0)


def ready(value):
    # An accessible object without children counts as false in Python.
    if value is None or value is False:
        return False
    return bool(value) if isinstance(value, (list, int, str)) else True


def wait_until(what, probe, timeout=TIMEOUT):
    end = time.time() + timeout
    while True:
        value = probe()
        if ready(value):
            return value
        if time.time() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.1)


class Desktop:
    """The display, the accessibility bus and a home folder for one test."""

    def __init__(self, source, build):
        self.source, self.build = source, build
        self.program = os.path.join(build, "app", "zindra")
        self.home = tempfile.mkdtemp(prefix="zindra-window-")
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ, HOME=self.home,
                        XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
                        QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        LSAN_OPTIONS="suppressions=" + os.path.join(
                            source, "tests", "desktop-libraries.supp"))
        # The program must find the bus through the session bus, not this.
        self.env.pop("AT_SPI_BUS_ADDRESS", None)
        self.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        self.processes = [self.bus]
        time.sleep(0.5)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.atspi = Atspi
        from Xlib import X, display
        self.X = X
        self.display = display.Display()

    def install_product(self):
        subprocess.run([os.path.join(self.source, "scripts", "install-product"), self.build],
                       env=self.env, check=True, stdout=subprocess.DEVNULL)
        return os.path.join(self.home, "Documents", "Zindra", "zindratips.ini")

    def start(self, *args, **kwargs):
        process = subprocess.Popen(*args, **kwargs)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.home, ignore_errors=True)

    # ---- X windows
    def windows(self, title):
        """Visible windows whose caption is exactly `title`."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                "^%s$" % title.replace(".", "\\.")],
                               capture_output=True, text=True).stdout.split()
        return [int(w) for w in found]

    def window(self, title):
        return wait_until("a window titled %r" % title, lambda: (self.windows(title) or [0])[0])

    def focus(self, wid):
        subprocess.run(["xdotool", "windowfocus", "--sync", str(wid)], check=True)
        time.sleep(0.2)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30"] + list(keys), check=True)
        time.sleep(0.15)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
        time.sleep(0.15)

    def click_at(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.05", "click", "1"],
                       check=True)
        time.sleep(0.15)

    def frame(self, wid):
        """The outer rectangle of a window, its frame included: x, y, w, h."""
        window = self.display.create_resource_object("window", wid)
        geometry = window.get_geometry()
        at = window.translate_coords(self.display.screen().root, 0, 0)
        x, y = -at.x, -at.y
        extents = window.get_full_property(self.display.intern_atom("_NET_FRAME_EXTENTS"),
                                           self.X.AnyPropertyType)
        left, right, top, bottom = extents.value if extents else (0, 0, 0, 0)
        return x - left, y - top, geometry.width + left + right, geometry.height + top + bottom

    def pixels(self, x, y, w, h):
        """Rows of (r, g, b) of a screen rectangle."""
        root = self.display.screen().root
        image = root.get_image(x, y, w, h, self.X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        return [[(data[(r * w + c) * 4 + 2], data[(r * w + c) * 4 + 1], data[(r * w + c) * 4])
                 for c in range(w)] for r in range(h)]

    # ---- the accessibility tree
    def app(self):
        desktop = self.atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(i)
            if child is not None and child.get_name() == "Zindra":
                return child
        return None

    def nodes(self):
        """Every showing node: (role, name, node)."""
        out = []

        def walk(node):
            try:
                states = node.get_state_set()
                if not states.contains(self.atspi.StateType.SHOWING):
                    return
                out.append((node.get_role_name(), node.get_name(), node))
                for i in range(node.get_child_count()):
                    walk(node.get_child_at_index(i))
            except Exception:  # a node that went away while we looked
                pass

        app = self.app()
        if app:
            for i in range(app.get_child_count()):
                walk(app.get_child_at_index(i))
        return out

    def find(self, role, name, window=None):
        def probe():
            for r, n, node in self.nodes():
                if r == role and (n == name or (name.endswith("*") and n.startswith(name[:-1]))):
                    if window is None or self.top_name(node) == window:
                        return node
            return None
        return wait_until("%s %r" % (role, name), probe)

    def find_in(self, group, role, name):
        """A control inside the group box titled `group`."""
        def probe():
            for r, n, node in self.nodes():
                parent = node.get_parent()
                if r == role and n == name and parent is not None and parent.get_name() == group:
                    return node
            return None
        return wait_until("%s %r in %r" % (role, name, group), probe)

    def combo(self, index):
        """A drop-down by its place in the window: on Linux its name is its text.
        0 is the point size, 1 the special characters."""
        return wait_until("drop-down %d" % index, lambda: (
            [n for r, _, n in self.nodes() if r == "combo box"] + [None] * 2)[index])

    def top_name(self, node):
        while node.get_parent() is not None and node.get_parent().get_role_name() != "application":
            node = node.get_parent()
        return node.get_name()

    def text(self, node):
        """The text of an edit; for a combo box, of its edit."""
        if node.get_role_name() == "combo box":
            for i in range(node.get_child_count()):
                child = node.get_child_at_index(i)
                if child.get_role_name() == "text":
                    node = child
        count = self.atspi.Text.get_character_count(node)
        return self.atspi.Text.get_text(node, 0, count)

    def label_text(self, node):
        return node.get_name() or ""

    def selection(self, node):
        return [(r.start_offset, r.end_offset) for r in
                (self.atspi.Text.get_selection(node, i)
                 for i in range(self.atspi.Text.get_n_selections(node)))]

    def checked(self, node):
        return node.get_state_set().contains(self.atspi.StateType.CHECKED)

    def focused(self):
        for role, name, node in self.nodes():
            if node.get_state_set().contains(self.atspi.StateType.FOCUSED):
                parent = node.get_parent()
                if parent is not None and parent.get_role_name() == "combo box":
                    return parent.get_role_name(), parent.get_name()
                return role, name
        return None

    def extents(self, node):
        e = node.get_extents(self.atspi.CoordType.SCREEN)
        return e.x, e.y, e.width, e.height

    def click(self, node):
        x, y, w, h = self.extents(node)
        self.click_at(x + w // 2, y + h // 2)


def edit_settings(path, changes, section="Settings"):
    """Sets keys of one section of the settings file, adding the section."""
    lines = open(path, encoding="utf-8").read().splitlines()
    out, current, seen = [], None, set()
    for line in lines:
        if line.startswith("["):
            if current == section:
                out += ["%s=%s" % (k, v) for k, v in changes.items() if k not in seen]
                seen.update(changes)
            current = line.strip("[]")
        key = line.split("=", 1)[0]
        if current == section and key in changes:
            line = key + "=" + changes[key]
            seen.add(key)
        out.append(line)
    if current == section:
        out += ["%s=%s" % (k, v) for k, v in changes.items() if k not in seen]
    elif section not in [l.strip("[]") for l in lines if l.startswith("[")]:
        out += ["[%s]" % section] + ["%s=%s" % (k, v) for k, v in changes.items()]
    open(path, "w", encoding="utf-8").write("\n".join(out) + "\n")


def read_settings(path, section="Settings"):
    values, current = {}, None
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if line.startswith("["):
            current = line.strip("[]")
        elif "=" in line and current == section:
            key, value = line.split("=", 1)
            values.setdefault(key, value)
    return values


class Program:
    """One run of zindra on the desktop's product folder."""

    def __init__(self, desktop, env=None, tips=False):
        self.desktop = desktop
        self.process = desktop.start([desktop.program], env=env or desktop.env)
        self.main = desktop.window("Zindra")
        desktop.focus(self.main)  # what a window manager does for a new window
        if tips:
            tip = desktop.window("Tip of the Day")
            desktop.focus(tip)
            desktop.key("Escape")
            wait_until("the tip to close", lambda: not desktop.windows("Tip of the Day"))
            desktop.focus(self.main)
        self.data = desktop.find("text", "Enter the*")

    def close(self):
        from Xlib import X
        from Xlib.protocol import event
        d = self.desktop.display
        window = d.create_resource_object("window", self.main)
        message = event.ClientMessage(window=window,
                                      client_type=d.intern_atom("WM_PROTOCOLS"),
                                      data=(32, [d.intern_atom("WM_DELETE_WINDOW"),
                                                 X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        d.flush()
        try:
            self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail("zindra did not end when its window was closed")
