#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks or adds the licence line of the sources: `SPDX-License-Identifier: GPL-3.0-or-later` in
the first three lines of every C++, Python, shell and CMake file git knows of (tracked, or new and
not ignored).

    scripts/spdx.py --check   lists the files without it; exit status 1 when there are any
    scripts/spdx.py --add     puts it on the first line (after a script's #! line) where missing
"""
import argparse
import pathlib
import subprocess
import sys

IDENTIFIER = "SPDX-License-Identifier: GPL-3.0-or-later"
SUFFIXES = {".cpp", ".h", ".py", ".sh", ".cmake"}
NAMES = {"CMakeLists.txt"}


def source_files(root):
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=root,
                            check=True, capture_output=True).stdout.decode("utf-8").split("\0")
    for name in sorted(set(listed)):
        path = root / name
        if name and (path.suffix in SUFFIXES or path.name in NAMES) and path.is_file():
            yield path


def has_line(text):
    return any(IDENTIFIER in line for line in text.splitlines()[:3])


def header(path):
    comment = "//" if path.suffix in {".cpp", ".h"} else "#"
    return f"{comment} {IDENTIFIER}\n"


def add_line(path):
    text = path.read_text(encoding="utf-8")
    if has_line(text):
        return False
    if text.startswith("#!"):
        first, _, rest = text.partition("\n")
        text = first + "\n" + header(path) + rest
    else:
        text = header(path) + text
    path.write_text(text, encoding="utf-8")
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    mode = parser.add_mutually_exclusive_group(required=True)
    mode.add_argument("--check", action="store_true", help="list files without the licence line")
    mode.add_argument("--add", action="store_true", help="add the licence line where it is missing")
    args = parser.parse_args()

    root = pathlib.Path(__file__).resolve().parent.parent
    if args.add:
        added = [path for path in source_files(root) if add_line(path)]
        for path in added:
            print(f"added: {path.relative_to(root)}")
        return 0
    missing = [path for path in source_files(root) if not has_line(path.read_text(encoding="utf-8"))]
    for path in missing:
        print(f"{path.relative_to(root)}: no '{IDENTIFIER}' in its first 3 lines")
    if missing:
        print(f"{len(missing)} file(s) without a licence line; `scripts/spdx.py --add` adds it.", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
