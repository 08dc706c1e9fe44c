"""The two independent decoders the scan tests read pictures back with, zbarimg and
ZXingReader, each run once over many files and its report read here alone."""
import base64
import subprocess
import xml.etree.ElementTree as ElementTree

ZBAR_NS = "{http://zbar.sourceforge.net/2008/barcode}"


def _zbar_data(element):
    # Data with control characters (GS1's separators among them) comes base64-encoded,
    # as XML cannot hold them.
    if element.get("format") == "base64":
        return base64.b64decode(element.text).decode("latin-1")
    return element.text


def zbar(paths):
    """{path: sorted [(symbol type, data, modifiers)]}, EAN add-ons switched on."""
    done = subprocess.run(["zbarimg", "--nodbus", "--xml", "-Sean2.enable", "-Sean5.enable",
                           *paths], capture_output=True, check=False)
    found = {path: [] for path in paths}
    for source in ElementTree.fromstring(done.stdout).iter(ZBAR_NS + "source"):
        found[source.get("href")] = sorted(
            (s.get("type"), _zbar_data(s.find(ZBAR_NS + "data")), s.get("modifiers") or "")
            for s in source.iter(ZBAR_NS + "symbol"))
    return found


def zxing(paths):
    """{path: [(format, bytes as latin-1 text, symbology identifier)]} in the reader's order.

    -noscale: the reader aborts on an assertion when it scales a large picture down."""
    done = subprocess.run(["ZXingReader", "-noscale", *paths], capture_output=True, text=True,
                          errors="replace", check=False)
    # The reader names the file before each result only when it was given several.
    found, path, fields = {path: [] for path in paths}, paths[0] if len(paths) == 1 else None, {}
    for line in done.stdout.splitlines() + [""]:
        key, _, value = line.partition(":")
        if not line.strip():
            if path in found and "Format" in fields:
                found[path].append((fields["Format"], bytes.fromhex(fields.get("Bytes", ""))
                                    .decode("latin-1"), fields.get("Identifier", "")))
            fields = {}
        elif key.strip() == "File":
            path = value.strip()
        else:
            fields[key.strip()] = value.strip()
    return found
