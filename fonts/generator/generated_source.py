"""Writing a generated source file for the build.

A file is rewritten only when its text changes: ninja rebuilds whatever
includes a file whose time stamp moves, so a generator edit that leaves the
output alone must leave the file alone too.
"""
import os


def write_if_changed(path, text):
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
