#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (the checks in .clang-tidy) over every source file in src/, using the compile
# commands of the Debug build in build/. Build first: the files Qt generates must exist.
# Prints each finding once (a header's is seen from every file that includes it) and exits 1 if
# there is any. Not part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-tidy-14 >/dev/null; then
    SUDO=()
    [[ $(id -u) == 0 ]] || SUDO=(sudo)
    "${SUDO[@]}" apt-get update -qq
    "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang-tidy-14
fi
[[ -f build/compile_commands.json ]] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# A library's file may be listed more than once in the compile commands; each is checked once.
python3 - <<'PY' | xargs -0 -r -n 4 -P "$(nproc)" clang-tidy-14 -p build --quiet >"$log" 2>/dev/null || true
import json, os, sys
root = os.getcwd() + "/src/"
files = sorted({e["file"] for e in json.load(open("build/compile_commands.json")) if e["file"].startswith(root)})
sys.stdout.write("\0".join(files))
PY
# One line per finding: "path:line:col: warning: text [check]", relative to the tree. The analyzer
# also names Qt's headers where a path it follows ends; only the project's own files count.
findings=$(grep -E '^/.*: (warning|error): ' "$log" | sed "s|^$PWD/||" | grep '^src/' | sort -u || true)
if [[ -n $findings ]]; then
    echo "$findings"
    echo "clang-tidy: $(wc -l <<<"$findings") finding(s)"
    exit 1
fi
echo "clang-tidy: no findings"
