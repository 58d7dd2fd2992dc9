#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch root as a package would (prefix /usr), checks the layout, the
# desktop entry, the AppStream data and the icons, starts the installed program in a fresh home
# far enough to see that it found its seed database and its help, then builds the Debian package
# and checks its files and dependencies.
#
#   tests/install/check-install.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail

BUILD=$(cd "$1" && pwd)
SCRATCH=$2
ID=com.brantworks.Pitchwise
ROOT=$SCRATCH/root
USR=$ROOT/usr
fail() { echo "install check: $*" >&2; exit 1; }

rm -rf "$SCRATCH"
mkdir -p "$ROOT"
DESTDIR=$ROOT cmake --install "$BUILD" --prefix /usr >"$SCRATCH/install.log"

# ---- the layout
for f in bin/pitchwise libexec/pitchwise/pwmail libexec/pitchwise/pwupdate share/pitchwise/BaseDB.db \
         share/pitchwise/help/contents.json share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
         share/icons/hicolor/scalable/apps/$ID.svg share/man/man1/pitchwise.1 share/doc/pitchwise/README.md \
         share/doc/pitchwise/LICENSE; do
    [[ -f $USR/$f ]] || fail "$f was not installed"
done
[[ ! -e $USR/share/pitchwise/packaged ]] || fail "cmake --install wrote the package's marker"
desktop-file-validate "$USR/share/applications/$ID.desktop"
appstreamcli validate --no-net --no-color "$USR/share/metainfo/$ID.metainfo.xml" >"$SCRATCH/appstream.log" ||
    { cat "$SCRATCH/appstream.log" >&2; fail "the AppStream file is not valid"; }
/usr/bin/python3 - "$USR/share/icons/hicolor" "$ID" <<'PY'
import struct, sys
root, app = sys.argv[1], sys.argv[2]
for size in (48, 128, 256):
    path = f"{root}/{size}x{size}/apps/{app}.png"
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", head[16:24]) != (size, size):
        sys.exit(f"install check: {path} is not a {size}x{size} PNG")
PY

# ---- the installed program: --version, then a start in a fresh home. The home's settings name a
# database folder and the program runs on its test database (the TEST word), which it builds from
# the installed seed database without asking; the probe plug-in then opens the help.
# libcurl and libcrypto (and what they bring: TLS, Kerberos, LDAP) cost every start several
# milliseconds when linked; the program opens them when the update check first runs.
if readelf -d "$USR/bin/pitchwise" | grep -E 'NEEDED.*(libcurl|libcrypto)'; then
    fail "the program links the update check's libraries instead of opening them when needed"
fi
version=$("$USR/bin/pitchwise" --version)
[[ $version == "Pitchwise "* ]] || fail "pitchwise --version said: $version"
HOME_DIR=$SCRATCH/home
mkdir -p "$HOME_DIR/.config/Brant" "$HOME_DIR/Data"
printf '[General]\nmdbFile=%s\n' "$HOME_DIR/Data/Pitchwise.db" >"$HOME_DIR/.config/Brant/Pitchwise.conf"
rc=0
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$HOME_DIR" QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$BUILD/tests/plugins" QT_QPA_GENERIC_PLUGINS=pwinstallprobe PW_PROBE_RESULT="$SCRATCH/probe.txt" \
    timeout 60 "$USR/bin/pitchwise" TEST >"$SCRATCH/start.log" 2>&1 || rc=$?
[[ $rc == 0 && -f $SCRATCH/probe.txt ]] ||
    { cat "$SCRATCH/start.log" "$SCRATCH/probe.txt" >&2 2>/dev/null; fail "the installed program's start ended with $rc"; }
grep -qx "help page: $USR/share/pitchwise/help/[a-z]*\.html" "$SCRATCH/probe.txt" ||
    { cat "$SCRATCH/probe.txt" >&2; fail "the installed program did not show its installed help"; }
grep -q '^help topics: [1-9]' "$SCRATCH/probe.txt" || fail "the installed help has no contents"
/usr/bin/python3 - "$HOME_DIR/Data/Pitchwise_Test.db" "$USR/share/pitchwise/BaseDB.db" <<'PY'
import sqlite3, sys
def drills(path):
    return sqlite3.connect(f"file:{path}?mode=ro", uri=True).execute("SELECT COUNT(*) FROM DrillBook").fetchone()[0]
built, seed = drills(sys.argv[1]), drills(sys.argv[2])
if built == 0 or built != seed:
    sys.exit(f"install check: the new database holds {built} drills, the installed seed {seed}")
PY

# ---- the Debian package
rm -f "$BUILD"/pitchwise_*.deb
(cd "$BUILD" && cpack -G DEB >"$SCRATCH/cpack.log" 2>&1) || { cat "$SCRATCH/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$BUILD"/pitchwise_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' >"$SCRATCH/deb-files.txt"
for f in ./usr/bin/pitchwise ./usr/libexec/pitchwise/pwmail ./usr/libexec/pitchwise/pwupdate \
         ./usr/share/pitchwise/BaseDB.db ./usr/share/pitchwise/packaged ./usr/share/pitchwise/help/contents.json \
         ./usr/share/applications/$ID.desktop ./usr/share/metainfo/$ID.metainfo.xml \
         ./usr/share/icons/hicolor/256x256/apps/$ID.png ./usr/share/doc/pitchwise/LICENSE; do
    grep -qxF "$f" "$SCRATCH/deb-files.txt" || fail "the package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libqt6sql6-sqlite* ]] ||
    fail "the package's Depends line names no Qt libraries: $depends"
# The update check opens libcurl and libcrypto when it runs: the package must still bring them.
[[ $depends == *libcurl4* && $depends == *libssl3* ]] ||
    fail "the package's Depends line lacks the update check's libraries: $depends"
echo "Install check passed: $(basename "$deb"), $(wc -l <"$SCRATCH/deb-files.txt") entries."
