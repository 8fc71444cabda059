#!/usr/bin/python3
"""Build data/SMS.dic from tools/dictionary/entries.txt.

entries.txt holds one entry a line as "abbreviation<TAB>expansion". Lines
starting with "# " name the group that follows; blank lines are ignored.
Every rule the program relies on is checked first; on any violation the
offending entries.txt line numbers are printed and nothing is written.

Usage: build_dictionary.py [--check]
"""

import sys
from pathlib import Path

ENTRY_COUNT = 1622  # the program reads exactly this many lines
HERE = Path(__file__).resolve().parent
ENTRIES = HERE / "entries.txt"
OUTPUT = HERE.parent.parent / "data" / "SMS.dic"


def read_entries(path):
    """Return (line number, raw line) for every entry line in path."""
    entries = []
    text = path.read_bytes().decode("ascii", errors="replace")
    for number, line in enumerate(text.split("\n"), start=1):
        line = line.rstrip("\r")
        if line == "" or line.startswith("# "):
            continue
        entries.append((number, line))
    return entries


def line_problems(line):
    """Problems found in a single entry line, as a list of messages."""
    if not line.isascii():
        return ["not plain ASCII"]
    if line.count("\t") != 1:
        return [f"expected exactly one TAB, found {line.count(chr(9))}"]
    problems = []
    for name, field in zip(("abbreviation", "expansion"), line.split("\t")):
        if field == "":
            problems.append(f"empty {name}")
        elif field != field.strip():
            problems.append(f"{name} has leading or trailing whitespace")
        elif name == "abbreviation" and any(c.isspace() for c in field):
            problems.append("abbreviation contains whitespace")
    return problems


def check(entries):
    """Return a list of (line number, message) for every rule broken."""
    errors = [(n, p) for n, line in entries for p in line_problems(line)]
    if len(entries) != ENTRY_COUNT:
        errors.append((0, f"{len(entries)} entries, need exactly {ENTRY_COUNT}"))

    pairs = [(n, line.split("\t")) for n, line in entries if line.count("\t") == 1]
    first_seen = {}
    for number, (abbreviation, _) in pairs:
        key = abbreviation.lower()
        if key in first_seen:
            errors.append((number, f"abbreviation '{key}' already on line {first_seen[key]}"))
        else:
            first_seen[key] = number
    for number, (_, expansion) in pairs:
        if expansion.lower() in first_seen:
            other = first_seen[expansion.lower()]
            errors.append((number, f"expansion '{expansion}' is the abbreviation on line {other}"))
    return errors


def write_dictionary(entries, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("".join(line + "\r\n" for _, line in entries).encode("ascii"))


def main(argv):
    only_check = "--check" in argv[1:]
    entries = read_entries(ENTRIES)
    errors = check(entries)
    for number, message in sorted(errors):
        print(f"{ENTRIES.name}:{number}: {message}" if number else f"{ENTRIES.name}: {message}")
    if errors:
        return 1
    if not only_check:
        write_dictionary(entries, OUTPUT)
        print(f"wrote {len(entries)} entries to {OUTPUT}")
    else:
        print(f"{len(entries)} entries, all rules hold")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
