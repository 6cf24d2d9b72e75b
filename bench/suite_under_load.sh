#!/usr/bin/env bash
# The whole test suite on a busy machine, as a user's workstation or a
# build farm is: the suite of this tree alone, then beside two other copies
# of it (clones of this tree's HEAD, each in a build of its own), then
# beside stress-ng keeping every processor busy. Prints each run's time and
# CTest's verdict; the copies' own results are printed too.
#
# Usage: bench/suite_under_load.sh [WORK]
#   WORK  where the two copies are cloned and built (default /tmp/velmora-load)
# As root (the suite's volume tests need it). Takes a while: two more builds.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=${1:-/tmp/velmora-load}
./scripts/setup.sh --bench >/dev/null
./scripts/build.sh >/dev/null

suite() { # DIR LOG: the suite of the build in DIR; its time in seconds
    local start=$SECONDS
    (cd "$1/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure >"$2" 2>&1)
    local rc=$?
    echo "$((SECONDS - start)) s, $(grep -E 'tests passed' "$2" | tail -1) (exit $rc)"
}

mkdir -p "$work"
for copy in a b; do
    rm -rf "$work/$copy"
    git clone -q "$root" "$work/$copy"
    (cd "$work/$copy" && cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null &&
        cmake --build build >/dev/null)
done

echo "alone: $(suite "$root" "$work/alone.log")"
suite "$work/a" "$work/a.log" >"$work/a.time" &
suite "$work/b" "$work/b.log" >"$work/b.time" &
echo "three at once, this one: $(suite "$root" "$work/three.log")"
wait
echo "three at once, copy a: $(cat "$work/a.time")"
echo "three at once, copy b: $(cat "$work/b.time")"
stress-ng --cpu "$(nproc)" --timeout 3600 >/dev/null 2>&1 &
stress=$!
echo "beside stress-ng --cpu $(nproc): $(suite "$root" "$work/stress.log")"
kill "$stress" 2>/dev/null
wait 2>/dev/null
