#!/usr/bin/python3
"""Fails when a text for people has no English.

Runs lupdate over the program's sources (tests left out) into a copy of
i18n/quarvel_en.ts, so a text added to the sources but not to the file counts
as missing, then reads the copy: every message must have a finished, non-empty
translation carrying the same %1..%9 / %n markers as its source.
Usage: check-translations.py SOURCE_DIR LUPDATE
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCE_DIRS = ("app", "chart", "controls", "core", "construction", "cutfiles", "templates", "model",
               "book", "rampbook", "cli")
MARKER = re.compile(r"%(?:\d|n)")


def sources(root):
    for d in SOURCE_DIRS:
        for path in sorted((root / d).rglob("*")):
            if path.suffix in (".cpp", ".h") and "tests" not in path.relative_to(root).parts:
                yield str(path)


def main():
    root, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as tmp:
        ts = pathlib.Path(tmp) / "quarvel_en.ts"
        shutil.copy(root / "i18n" / "quarvel_en.ts", ts)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", "-source-language",
                        "fr_FR", "-target-language", "en", *sources(root), "-ts", str(ts)], check=True)
        faults, count = [], 0
        for context in ET.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                count += 1
                source = message.findtext("source") or ""
                translation = message.find("translation")
                text = "".join(translation.itertext()) if translation is not None else ""
                if translation is None or translation.get("type") == "unfinished" or not text:
                    faults.append(f"{name}: no English for {source!r}")
                elif sorted(MARKER.findall(source)) != sorted(MARKER.findall(text)):
                    faults.append(f"{name}: markers differ in {source!r} -> {text!r}")
    for fault in faults:
        print(fault)
    print(f"{count} texts, {len(faults)} faults")
    return 1 if faults or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
