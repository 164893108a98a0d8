#!/usr/bin/env python3
"""Builds data/mbusMANCODE.txt, the manufacturer description file shipped beside the program,
from a tab-separated list of flag codes (header row "code<TAB>name").

Usage: scripts/make-mancode.py FLAG_IDS.tsv > data/mbusMANCODE.txt

The output is an INI file with one section [MANCODE]: key = flag code, value = "name, country".
Windows-1252 with CRLF line ends, as the program's other INI files. Where a code is listed more
than once the first entry that names a country (holds a comma) wins, else the first one.
"""
import sys


def main(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        next(f)  # header
        for line in f:
            line = line.rstrip("\r\n")
            if not line:
                continue
            code, _, name = line.partition("\t")
            code, name = code.strip().upper(), " ".join(name.split())
            if len(code) != 3 or not code.isalpha() or not name:
                continue
            old = entries.get(code)
            if old is None or ("," not in old and "," in name):
                entries[code] = name
    out = ["; Manufacturer flag codes and names, shown by the wireless M-Bus recorder", "[MANCODE]"]
    out += [f"{code}={entries[code]}" for code in sorted(entries)]
    sys.stdout.buffer.write(("\r\n".join(out) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main(sys.argv[1])
