"""A headless Calc for the add-in's tests and bench: its own profile in a
fresh folder, the .oxt unpacked there as a bundled extension (as the
package installs it for every user), fontconfig pointed at the build's
faces, and one soffice answering over a pipe.

The environment names the build's files: ZINDRA_OXT (the add-in),
ZINDRA_FONT_DIR (the faces), ZINDRA_LIBRARY and PYTHONPATH (the zindra
module, for soffice's Python as for ours). Calc(installed=True) uses what
the packages installed instead, in the environment it is given."""

import os
import subprocess
import tempfile
import time
import zipfile

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

CONNECT_SECONDS = 60


def _fontconfig(folder):
    path = os.path.join(folder, "fonts.conf")
    with open(path, "w", encoding="utf-8") as conf:
        conf.write("<?xml version='1.0'?>\n<fontconfig>\n"
                   " <include ignore_missing='yes'>/etc/fonts/fonts.conf</include>\n"
                   f" <dir>{os.environ['ZINDRA_FONT_DIR']}</dir>\n"
                   f" <cachedir>{os.path.join(folder, 'fontcache')}</cachedir>\n</fontconfig>\n")
    return path


def properties(**values):
    listed = []
    for name, value in values.items():
        listed.append(PropertyValue())
        listed[-1].Name, listed[-1].Value = name, value
    return tuple(listed)


class Calc:
    """with Calc() as calc: calc.new_document() ...; once calc.close() has
    ended the session, calc.convert_to_pdf() runs `soffice --convert-to pdf`
    in the same profile."""

    def __init__(self, installed=False, env=None):
        self.installed = installed
        self.env = dict(os.environ if env is None else env)

    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory(prefix="zindra-calc-")
        root = self.folder.name
        runtime = os.path.join(root, "runtime")
        os.mkdir(runtime, 0o700)
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=root)
        self.args = ["soffice", "--headless", "--norestore", "--nologo", "--nodefault",
                     f"-env:UserInstallation=file://{root}/profile"]
        if not self.installed:
            with zipfile.ZipFile(os.environ["ZINDRA_OXT"]) as oxt:
                oxt.extractall(os.path.join(root, "bundled", "zindra"))
            self.env["FONTCONFIG_FILE"] = _fontconfig(root)
            self.args.append(f"-env:BUNDLED_EXTENSIONS=file://{root}/bundled")
        pipe = "zindra-" + os.path.basename(root)
        self.office = subprocess.Popen(self.args + [f"--accept=pipe,name={pipe};urp;"],
                                       env=self.env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        end = time.time() + CONNECT_SECONDS
        while True:
            try:
                self.context = resolver.resolve(
                    f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
                break
            except NoConnectException:
                if time.time() > end or self.office.poll() is not None:
                    self._stop()
                    raise RuntimeError("soffice did not answer on its pipe")
                time.sleep(0.1)
        self.desktop = self.service("com.sun.star.frame.Desktop")
        return self

    def service(self, name):
        return self.context.ServiceManager.createInstanceWithContext(name, self.context)

    def function_entries(self):
        """The Function Wizard's entries by name: {"ZINDRA": {"Name": ...,
        "Category": ..., "Description": ..., "Arguments": ...}}."""
        descriptions = self.service("com.sun.star.sheet.FunctionDescriptions")
        entries = ({p.Name: p.Value for p in descriptions.getByIndex(index)}
                   for index in range(descriptions.getCount()))
        return {entry["Name"]: entry for entry in entries}

    def new_document(self):
        return self.desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                                 properties(Hidden=True))

    def _stop(self):
        try:
            self.desktop.terminate()
        except Exception:  # the bridge goes down with the office: that is the point
            pass
        try:
            self.office.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.office.kill()
            self.office.wait()

    def __exit__(self, *_):
        if self.office.poll() is None:
            self._stop()
        self.folder.cleanup()

    def close(self):
        """Ends the session, so that convert_to_pdf() may use the profile."""
        self._stop()

    def convert_to_pdf(self, document, out_folder):
        subprocess.run(self.args + ["--convert-to", "pdf", "--outdir", out_folder, document],
                       env=self.env, check=True, capture_output=True)
        pdf = os.path.join(out_folder, os.path.splitext(os.path.basename(document))[0] + ".pdf")
        if not os.path.isfile(pdf):
            raise RuntimeError(f"soffice --convert-to pdf wrote no {pdf}")
        return pdf
