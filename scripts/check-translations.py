#!/usr/bin/env python3
"""Checks that the English catalogue translates every text of the program, and nothing else.

The build refreshes translations/kvq_en.ts from the sources, so a new tr() text lands in the file as
"unfinished" without anybody being told. This check collects the texts of the sources afresh into a
temporary copy of the catalogue (the file in the tree stays as it is) and fails when the copy holds
  - an unfinished entry: a text without an English translation, or
  - an obsolete or vanished entry: a translation whose text is no longer in the program.

  scripts/check-translations.py              checks translations/kvq_en.ts, exit status 1 on a finding
  scripts/check-translations.py FILE.ts      checks the given catalogue as it is (no refresh)
  scripts/check-translations.py --self-test  runs the check over its own example
"""

import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CATALOGUE = "translations/kvq_en.ts"
# The same collection as the build's (translations/CMakeLists.txt), keeping what vanished.
LUPDATE_ARGS = ["-silent", "-locations", "none", "-extensions", "cpp,h,ui", "-source-language", "de",
                "-target-language", "en", "-I", "src", "src", "-ts"]
SHOWN = 40


def lupdate():
    try:
        bins = subprocess.run(["qtpaths6", "-query", "QT_HOST_BINS"], capture_output=True, text=True,
                              check=True).stdout.strip()
        path = os.path.join(bins, "lupdate")
        if os.path.exists(path):
            return path
    except (OSError, subprocess.CalledProcessError):
        pass
    return "/usr/lib/qt6/bin/lupdate"


def findings(ts_path):
    """(kind, context, source) for every entry that is not a finished, current translation."""
    out = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            text = "".join(translation.itertext()) if translation is not None else ""
            if translation is not None and message.get("numerus") == "yes":
                text = "".join(f.text or "" for f in translation.iter("numerusform"))
            if kind in ("obsolete", "vanished"):
                out.append(("obsolete", name, source))
            elif kind == "unfinished" or not text.strip():
                out.append(("unfinished", name, source))
    return out


def report(found, label):
    if not found:
        print(f"{label}: every text translated")
        return 0
    for kind in ("unfinished", "obsolete"):
        items = [f for f in found if f[0] == kind]
        if not items:
            continue
        what = "without an English translation" if kind == "unfinished" else "no longer in the program"
        print(f"{label}: {len(items)} entries {what}:", file=sys.stderr)
        for _, context, source in items[:SHOWN]:
            print(f"  [{context}] {source!r}", file=sys.stderr)
        if len(items) > SHOWN:
            print(f"  ... and {len(items) - SHOWN} more", file=sys.stderr)
    return 1


def self_test():
    sample = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS><TS version="2.1" language="en" sourcelanguage="de">
<context><name>A</name>
<message><source>Laden</source><translation>Load</translation></message>
<message><source>Neu</source><translation type="unfinished"></translation></message>
<message><source>Alt</source><translation type="vanished">Old</translation></message>
<message><source>Weg</source><translation type="obsolete">Gone</translation></message>
<message><source>Leer</source><translation></translation></message>
<message numerus="yes"><source>%n Zeilen</source><translation><numerusform>%n line</numerusform>
<numerusform>%n lines</numerusform></translation></message>
</context></TS>
"""
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "sample.ts")
        with open(path, "w", encoding="utf-8") as f:
            f.write(sample)
        got = sorted(findings(path))
    want = sorted([("unfinished", "A", "Neu"), ("obsolete", "A", "Alt"), ("obsolete", "A", "Weg"),
                   ("unfinished", "A", "Leer")])
    if got != want:
        print(f"self-test failed: {got} != {want}", file=sys.stderr)
        return 1
    print("check-translations self-test passed")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) > 1:
        return max(report(findings(p), p) for p in argv[1:])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    os.chdir(root)
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, "kvq_en.ts")
        shutil.copyfile(CATALOGUE, copy)
        subprocess.run([lupdate()] + LUPDATE_ARGS + [copy], check=True)
        return report(findings(copy), CATALOGUE)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
