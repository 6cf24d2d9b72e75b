#!/bin/sh
# The drive's own erase, timed where it runs: in the small QEMU guest the
# tests boot, on its emulated NVMe drive, and on a loop device here.
#   - the probe of each drive (velmora-bench probe), and `velmora-cli drives`
#     as a whole;
#   - the sampled check's read against a whole direct read of the drive
#     (velmora-bench sample), three rounds each.
# The guest runs under software emulation: compare shares and ratios, never
# its absolute times with the host's.
#
# Usage: bench/guest.sh [SIZE]   the guest's drive and the loop device's
#                                image (default 2G, sparse); the loop device
#                                needs root
set -eu
here=$(dirname "$0")
build=${BUILD:-$here/../build}
size=${1:-2G}
. "$here/../tests/guest/guest.sh"
if ! guest_usable; then
    echo "needs qemu-system-x86, linux-image-amd64, busybox-static and cpio"
    exit 77
fi
guest_prepare "$build/app/velmora-cli" "$build/bench/velmora-bench"
cat >"$work/bench.sh" <<'GUEST'
velmora-bench probe | sed 's/^/PROBE /'
for round in 1 2 3; do
    echo "DRIVES $( { time velmora-cli drives >/dev/null; } 2>&1 | tr '\n' ' ')"
done
for round in 1 2 3; do velmora-bench sample /dev/nvme0n1 | sed 's/^/SAMPLE /'; done
GUEST
guest_run "$work/bench.sh" "$size"
echo "== guest, emulated NVMe drive of $size"
tr -d '\r' <"$work/console" | grep -a -o -E '(PROBE|DRIVES|SAMPLE) .*'

if [ "$(id -u)" -eq 0 ]; then
    echo "== host, loop device over a $size image"
    image=$work/loop.img
    truncate -s "$size" "$image"
    device=$(losetup --show -f --direct-io=on "$image")
    for round in 1 2 3; do "$build/bench/velmora-bench" sample "$device" | sed 's/^/SAMPLE /'; done
    losetup -d "$device"
fi
