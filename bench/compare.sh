#!/usr/bin/env bash
# Side-by-side throughput of velmora-bench, shred and dd on one folder's file
# system. Usage: bench/compare.sh DIR [BENCH]
#   DIR    a folder on the file system to measure (a tmpfs, a disk)
#   BENCH  the velmora-bench binary (default: build/bench/velmora-bench)
# The free-space comparison needs a volume of its own: set FILL_ROOT to a
# mounted test volume to run it (it fills that volume).
set -euo pipefail
dir=$1
bench=${2:-$(dirname "$0")/../build/bench/velmora-bench}
work=$(mktemp -d "$dir/velmora-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT

secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc; }

echo "== one 1 GiB file, 3 passes ($dir)"
head -c 1G /dev/urandom > "$work/a.bin"; cp "$work/a.bin" "$work/b.bin"; sync
echo "velmora DoD: $("$bench" erase --method DoD "$work/a.bin" | tail -1)"
echo "shred -n 3:  seconds: $(secs shred -n 3 "$work/b.bin")"
rm -f "$work/b.bin"

echo "== 10,000 files of 4 KiB, 3 passes, deleted ($dir)"
for d in v s; do
    mkdir -p "$work/$d"
    for i in $(seq 1 10000); do head -c 4096 /dev/urandom > "$work/$d/f$i"; done 2>/dev/null
done
sync
echo "velmora DoD: $("$bench" erase --method DoD "$work/v" | tail -1)"
echo "shred -n 3 -u: seconds: $(secs find "$work/s" -type f -exec shred -n 3 -u {} +)"

if [ -n "${FILL_ROOT:-}" ]; then
    echo "== free-space fill, 1 pass ($FILL_ROOT)"
    echo "velmora NIST: $("$bench" freespace --method NIST "$FILL_ROOT" | tail -1)"
    s=$(date +%s.%N)
    dd if=/dev/zero of="$FILL_ROOT/dd.fill" bs=1M conv=fdatasync status=none 2>/dev/null || true
    e=$(date +%s.%N)
    bytes=$(stat -c %s "$FILL_ROOT/dd.fill")
    rm -f "$FILL_ROOT/dd.fill"
    echo "dd zero fdatasync: bytes: $bytes seconds: $(echo "$e - $s" | bc) MiB/s: $(echo "$bytes / 1048576 / ($e - $s)" | bc)"
fi
