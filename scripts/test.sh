#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Pitchwise and runs every test: each store test on a SQLite file and on a throwaway
# PostgreSQL cluster that this script starts on 127.0.0.1 and stops again by PID.
#
#   scripts/test.sh                 build in ./build and run all tests
#   BUILD=dir scripts/test.sh       another build folder
#   PW_SCREENSHOT_DIR=dir ...       window tests save PNGs of each window there
set -euo pipefail

SRC=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$SRC/build}
PG_PORT=${PG_PORT:-55432}
SMTP_PORT=${SMTP_PORT:-8025}
FTP_PORT=${FTP_PORT:-2121}
FTP_PASV=${FTP_PASV:-30000-30100}
PY=/usr/bin/python3   # Debian's interpreter: the one that sees python3-aiosmtpd and python3-pyftpdlib
PGBIN=/usr/lib/postgresql/15/bin

"$SRC/scripts/install-deps.sh" --test

# Runtime files of the servers; the postgres user must be able to reach them, so not under /root.
RUN=$(mktemp -d /tmp/pitchwise-test.XXXXXX)
chmod 755 "$RUN"
mkdir -p "$RUN/xdg" && chmod 700 "$RUN/xdg"
export XDG_RUNTIME_DIR=$RUN/xdg

PG_PID= SMTP_PID= FTP_PID= XVFB_PID=
alive() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) || return 1; [[ $s != Z* ]]; }
stop_pid() {
    local pid=$1 sig=${2:-TERM}
    [[ -n $pid ]] && alive "$pid" || return 0
    kill "-$sig" "$pid" 2>/dev/null || true
    for _ in $(seq 100); do alive "$pid" || return 0; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
}
cleanup() {
    local rc=$?
    # A server still starting when pg_ctl gave up has written its PID file but not told us.
    if [[ -z $PG_PID && -f $RUN/pg/data/postmaster.pid ]]; then
        PG_PID=$(head -1 "$RUN/pg/data/postmaster.pid")
    fi
    stop_pid "$PG_PID" INT   # SIGINT asks the postmaster for a fast shutdown
    stop_pid "$SMTP_PID"
    stop_pid "$FTP_PID"
    stop_pid "${XVFB_PID:-}"
    rm -rf "$RUN"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

port_open() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
for p in PG_PORT SMTP_PORT FTP_PORT; do
    if port_open "${!p}"; then
        echo "Port ${!p} on 127.0.0.1 is in use; set $p to a free port." >&2
        exit 1
    fi
done
wait_port() {   # wait_port PORT PID NAME
    for _ in $(seq 100); do
        alive "$2" || { echo "$3 test server (pid $2) died:" >&2; cat "$RUN/$3.log" >&2; exit 1; }
        port_open "$1" && return 0
        sleep 0.1
    done
    echo "$3 test server did not open port $1" >&2
    exit 1
}

# ---- throwaway PostgreSQL cluster
if [[ $(id -u) == 0 ]]; then
    AS_PG=(runuser -u postgres --)
    install -d -o postgres -g postgres "$RUN/pg"
else
    AS_PG=()
    mkdir -p "$RUN/pg"
fi
"${AS_PG[@]}" "$PGBIN/initdb" -D "$RUN/pg/data" -A trust -U postgres -E UTF8 --locale=C.UTF-8 -N >"$RUN/initdb.log"
# One role must give a password, so that the tests see real password authentication with an
# awkward password (a space, a quote and a slash); every other connection is trusted.
sed -i '1i host all pw_coach 127.0.0.1/32 scram-sha-256' "$RUN/pg/data/pg_hba.conf"
"${AS_PG[@]}" "$PGBIN/pg_ctl" -D "$RUN/pg/data" -l "$RUN/pg/server.log" -w -t 30 \
    -o "-k $RUN/pg -h 127.0.0.1 -p $PG_PORT -c fsync=off -c max_connections=200" start >/dev/null
PG_PID=$(head -1 "$RUN/pg/data/postmaster.pid")
export PW_TEST_PG="postgresql://postgres@127.0.0.1:$PG_PORT/postgres"
"${AS_PG[@]}" /usr/lib/postgresql/15/bin/psql -q -h 127.0.0.1 -p "$PG_PORT" -U postgres -d postgres \
    -c "CREATE ROLE pw_coach LOGIN PASSWORD 'Goal keeper\"s/2026'" >/dev/null

# ---- mail and update test servers, each started as a simple command so that $! is its own PID.
# The mail server keeps every message as JSON for the tests to read; it accepts one login only,
# so that a test can see a refused one. The FTP server serves a folder the tests fill, with an
# account, as a club's update server would have.
export PW_TEST_SMTP=127.0.0.1:$SMTP_PORT PW_TEST_SMTP_DIR=$RUN/mail
export PW_TEST_SMTP_USER=coach PW_TEST_SMTP_PASSWORD='Kick"off, 2026 é'
PYTHONUNBUFFERED=1 "$PY" "$SRC/tests/servers/smtp_server.py" "$SMTP_PORT" "$PW_TEST_SMTP_DIR" \
    "$PW_TEST_SMTP_USER" "$PW_TEST_SMTP_PASSWORD" >"$RUN/smtp.log" 2>&1 &
SMTP_PID=$!
mkdir -p "$RUN/ftproot"
export PW_TEST_FTP=127.0.0.1:$FTP_PORT PW_TEST_FTP_ROOT=$RUN/ftproot
export PW_TEST_FTP_USER=updates PW_TEST_FTP_PASSWORD='up date"s'
"$PY" -m pyftpdlib -i 127.0.0.1 -p "$FTP_PORT" -r "$FTP_PASV" -d "$PW_TEST_FTP_ROOT" \
    -u "$PW_TEST_FTP_USER" -P "$PW_TEST_FTP_PASSWORD" >"$RUN/ftp.log" 2>&1 &
FTP_PID=$!
wait_port "$SMTP_PORT" "$SMTP_PID" smtp
wait_port "$FTP_PORT" "$FTP_PID" ftp

# ---- the layering: no include runs up a layer or between subsystems the wrong way; and every
# source file is formatted as .clang-format says (clang-format-14 -i on a file mends it)
/usr/bin/python3 "$SRC/scripts/check-includes.py"
/usr/bin/python3 "$SRC/scripts/long-functions.py" 80   # lists any function over 80 lines, and fails
(cd "$SRC" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror)
/usr/bin/python3 "$SRC/scripts/spdx.py" --check          # every source file names its licence
/usr/bin/python3 "$SRC/scripts/check-translations.py"   # Spanish and German have every text

# ---- build
# Compiler cache entries keyed by paths relative to the checkout, so that a fresh clone elsewhere
# on the same machine (as CI makes) reuses what an earlier build compiled.
export CCACHE_BASEDIR=$SRC CCACHE_NOHASHDIR=true
cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPW_WERROR=ON >/dev/null
cmake --build "$BUILD"

# ---- tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure --no-tests=error -j"$(nproc)" 2>&1 | tee "$RUN/ctest.log"
if grep -q '(Skipped)\|\*\*\*Skipped' "$RUN/ctest.log"; then
    echo "Some tests were skipped although every server was up." >&2
    exit 1
fi

# ---- the benchmarks run (their figures live in the README; nothing here is timed): the
# in-process one on a small club, and the black-box one, which starts the real program on a
# throwaway X server (stopped by PID) and clicks through XTest.
"$BUILD/bin/pitchwise_bench" --runs 1 --teams 2 >"$RUN/bench.log" 2>&1 || { cat "$RUN/bench.log" >&2; exit 1; }
XVFB_DISPLAY=${XVFB_DISPLAY:-97}
Xvfb ":$XVFB_DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >"$RUN/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$XVFB_DISPLAY ]] && break; sleep 0.1; done
bb_rc=0
QT_QPA_PLATFORM= "$BUILD/bin/pitchwise_blackbox" --quick --display ":$XVFB_DISPLAY" >"$RUN/blackbox.log" 2>&1 || bb_rc=$?
stop_pid "$XVFB_PID"
XVFB_PID=
((bb_rc == 0)) || { cat "$RUN/blackbox.log" >&2; echo "The black-box benchmark failed." >&2; exit 1; }

# ---- the installed program: `cmake --install` into a scratch root, the desktop entry, AppStream
# data and icons validated, the installed program started in a fresh home (it must find its seed
# database and help), and the Debian package's files and dependencies
"$SRC/tests/install/check-install.sh" "$BUILD" "$RUN/install"

# ---- the same tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang, its own
# build folder; ccache keeps it quick), then the fuzzers of the text codecs for a fixed number
# of inputs each. Any report fails the run. PW_SKIP_SANITIZERS=1 leaves this out.
if [[ ${PW_SKIP_SANITIZERS:-0} != 1 ]]; then
    BUILD_SAN=${BUILD_SAN:-$SRC/build-san}
    cmake -S "$SRC" -B "$BUILD_SAN" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPW_SANITIZE=ON \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
    cmake --build "$BUILD_SAN"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
    export LSAN_OPTIONS=suppressions=$SRC/tests/fuzz/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir "$BUILD_SAN" --output-on-failure --no-tests=error -j"$(nproc)" 2>&1 | tee "$RUN/ctest-san.log"
    for fuzzer in "$BUILD_SAN"/tests/fuzz/fuzz_*; do
        [[ -f $fuzzer && -x $fuzzer ]] || continue
        name=$(basename "$fuzzer")
        name=${name#fuzz_}
        # New inputs go to a scratch folder; the kept corpus is only read.
        mkdir -p "$RUN/corpus/$name"
        echo "Fuzzing $name"
        "$fuzzer" -runs="${PW_FUZZ_RUNS:-50000}" -max_len=256 -print_final_stats=0 \
            "$RUN/corpus/$name" "$SRC/tests/fuzz/corpus/$name" 2>"$RUN/fuzz-$name.log" ||
            { cat "$RUN/fuzz-$name.log" >&2; exit 1; }
    done
    # The closing line of the whole run is the main suite's.
    grep -h 'tests passed' "$RUN/ctest.log" "$RUN/ctest-san.log"
fi
