#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the functions in src/ longer than a limit (80 lines by default), longest first.

A function is counted from its signature to the closing brace at the start of a line, as the
tree's formatting writes them.
"""
import pathlib
import sys


def main():
    limit = int(sys.argv[1]) if len(sys.argv) > 1 else 80
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    found = []
    for path in sorted(src.rglob("*.cpp")):
        lines = path.read_text(encoding="utf-8").split("\n")
        for i, line in enumerate(lines):
            if line != "{":
                continue
            start = i
            while start > 0 and lines[start - 1].strip() and not lines[start - 1].startswith(("//", "#", "}")):
                start -= 1
            end = next((j for j in range(i + 1, len(lines)) if lines[j] == "}"), len(lines) - 1)
            length = end - start + 1
            if length > limit:
                found.append((length, f"{path.relative_to(src.parent)}:{start + 1}", lines[start].strip()[:80]))
    for length, where, name in sorted(found, reverse=True):
        print(f"{length:4} {where}  {name}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
