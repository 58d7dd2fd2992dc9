#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the optimized Pitchwise (RelWithDebInfo, in ./build-release; BUILD=dir for another
# folder) and starts it. Extra arguments go to the program (for example TEST or DEBUG).
# The first start asks a few questions and creates a new database (~/Brantworks/Data/Pitchwise.db).
set -euo pipefail

SRC=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$SRC/build-release}

"$SRC/scripts/install-deps.sh"
cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target pitchwise pw_seed_db

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "Pitchwise needs a desktop session (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec "$BUILD/bin/pitchwise" "$@"
