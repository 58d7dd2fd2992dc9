#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when an #include in src/ runs up the layers or between subsystems the wrong way.

Layers, lowest first: common, data, core, ui, app. A file may include its own layer and those
below it. Inside core/ and ui/, the subsystems are ordered too (below); a subsystem may include
itself and the subsystems before it, so no two subsystems ever include each other.
"""
import pathlib
import re
import sys

LAYERS = ["common", "data", "core", "ui", "app"]
SUBSYSTEMS = {
    "core": ["print", "teams", "fees", "games", "schedule", "tournaments", "practice", "messaging", "update",
             "reports"],
    "ui": ["base", "teams", "fees", "games", "schedule", "tournaments", "practice", "messaging", "update"],
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def place(relative):
    parts = relative.split("/")
    layer = parts[0]
    sub = parts[1] if layer in SUBSYSTEMS and len(parts) > 2 else None
    return layer, sub


def main():
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    problems = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        here = path.relative_to(src).as_posix()
        layer, sub = place(here)
        if layer not in LAYERS:
            problems.append(f"{here}: outside the layer folders")
            continue
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if not (src / target).exists():
                continue  # a generated form header or a file beside it
            to_layer, to_sub = place(target)
            if to_layer not in LAYERS:
                continue
            if LAYERS.index(to_layer) > LAYERS.index(layer):
                problems.append(f"{here}: includes {target} from a higher layer")
            elif to_layer == layer and sub and to_sub:
                order = SUBSYSTEMS[layer]
                if to_sub not in order or sub not in order:
                    problems.append(f"{here}: includes {target}, a subsystem without a place in the order")
                elif order.index(to_sub) > order.index(sub):
                    problems.append(f"{here}: includes {target} of a subsystem above {sub}")
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) break the layering")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
