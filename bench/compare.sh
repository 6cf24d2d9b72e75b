#!/usr/bin/env bash
# Velmora next to shred and dd, as whole processes, side by side and
# interleaved: each round prepares the same input for both sides, times one,
# then the other; the medians and the median of the per-round ratios are
# printed (ratio = peer time / Velmora time: above 1, Velmora is faster).
#
# Usage: bench/compare.sh DIR [BENCH]
#   DIR        a folder on the file system to measure (a tmpfs, a disk)
#   BENCH      the velmora-bench binary (default: build/bench/velmora-bench)
# Environment:
#   FILL_ROOT  a mounted scratch volume for the free-space fill (it is
#              filled to the end, again and again); without it, no fill cases
#   RUNS       rounds per case (default 3)
#   CASES      which cases to run (default "big small fill"; "drive", as root,
#              wipes a loop device with direct I/O over a DRIVE_SIZE image in DIR,
#              default 1G; "drives", as root, wipes STATION_COUNTS (default
#              "1 4 16") loop devices of STATION_SIZE (default 256M) at once with
#              velmora-cli, against as many dd oflag=direct at once, and
#              against as many dd each followed by blkdiscard, as Velmora
#              discards a drive after its pass where it is no disk image)
# "--verify vs without" pairs Velmora with itself: its ratio is the share of
# time left after the read-back (1 / the cost of verifying).
# Page-cache peaks need root (a memory cgroup per run); elsewhere "n/a".
set -euo pipefail
dir=$1
bench=${2:-$(dirname "$0")/../build/bench/velmora-bench}
runs=${RUNS:-3}
cases=${CASES:-big small fill}
drive_size=${DRIVE_SIZE:-1G}
station_counts=${STATION_COUNTS:-1 4 16}
station_size=${STATION_SIZE:-256M}
cli=${CLI:-$(dirname "$bench")/../app/velmora-cli}
work=$(mktemp -d "$dir/velmora-compare.XXXXXX")
cleanup() { rm -rf "$work"; [ -n "${FILL_ROOT:-}" ] && rm -f "$FILL_ROOT/dd.fill"; }
trap cleanup EXIT

now() { date +%s.%N; }
# Seconds a command takes as a whole process; its output is thrown away.
timed() {
    local s e
    s=$(now)
    "$@" >/dev/null 2>&1 || true
    e=$(now)
    echo "$e - $s" | bc -l
}
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# The largest memory, page cache included, a command's processes held, in
# MiB: the peak of a memory cgroup of its own (v2, or v1's controller).
peak() {
    local cg=""
    if [ -w /sys/fs/cgroup/cgroup.procs ] && grep -qw memory /sys/fs/cgroup/cgroup.controllers 2>/dev/null; then
        cg=/sys/fs/cgroup/velmora-compare.$$
        mkdir "$cg"
        (echo "$BASHPID" >"$cg/cgroup.procs" && exec "$@" >/dev/null 2>&1) || true
        echo "$(($(cat "$cg/memory.peak") / 1048576)) MiB"
    elif [ -w /sys/fs/cgroup/memory/tasks ]; then
        cg=/sys/fs/cgroup/memory/velmora-compare.$$
        mkdir "$cg"
        (echo "$BASHPID" >"$cg/tasks" && exec "$@" >/dev/null 2>&1) || true
        echo "$(($(cat "$cg/memory.max_usage_in_bytes") / 1048576)) MiB"
    else
        "$@" >/dev/null 2>&1 || true
        echo "n/a"
        return
    fi
    sync
    rmdir "$cg" 2>/dev/null || true
}

# pair NAME PREPARE OURS PEER: RUNS rounds of PREPARE; OURS; PREPARE; PEER.
pair() {
    local name=$1 prepare=$2 ours=$3 peer=$4 a=() b=() r=() ta tb
    for _ in $(seq 1 "$runs"); do
        eval "$prepare"
        ta=$(timed bash -c "$ours")
        eval "$prepare"
        tb=$(timed bash -c "$peer")
        a+=("$ta")
        b+=("$tb")
        r+=("$(echo "$tb / $ta" | bc -l)")
    done
    printf '%-58s velmora %6.2f s  peer %6.2f s  ratio %5.2f\n' "$name" \
        "$(median "${a[@]}")" "$(median "${b[@]}")" "$(median "${r[@]}")"
}

echo "velmora-compare on $(df --output=fstype "$dir" | tail -1) at $dir, $runs rounds"

if [[ " $cases " == *" big "* ]]; then
    head -c 1G /dev/urandom >"$work/template"
    prep="cp '$work/template' '$work/big.bin'; sync"
    pair "1 GiB file, 3 passes, vs shred -n 3 -u" "$prep" \
        "'$bench' erase --method DoD '$work/big.bin'" "shred -n 3 -u '$work/big.bin'"
    pair "1 GiB file, 3 passes, --verify vs without (peer)" "$prep" \
        "'$bench' erase --method DoD --verify '$work/big.bin'" \
        "'$bench' erase --method DoD '$work/big.bin'"
    eval "$prep"
    echo "page cache peak, erasing the 1 GiB file: $(peak "$bench" erase --method DoD "$work/big.bin")"
    rm -f "$work/template" "$work/big.bin"
fi

if [[ " $cases " == *" small "* ]]; then
    prep="rm -rf '$work/s'; mkdir '$work/s'; head -c 40960000 /dev/urandom | (cd '$work/s' && split -b 4096 -a 4); sync"
    pair "10,000 x 4 KiB, 3 passes, vs find -exec shred -n 3 -u" "$prep" \
        "'$bench' erase --method DoD '$work/s'" "find '$work/s' -type f -exec shred -n 3 -u {} +; rmdir '$work/s'"
    pair "10,000 x 4 KiB, 3 passes, vs shred -n 3 --remove=unlink" "$prep" \
        "'$bench' erase --method DoD '$work/s'" \
        "find '$work/s' -type f -exec shred -n 3 --remove=unlink {} +; rmdir '$work/s'"
    rm -rf "$work/s"
fi

if [[ " $cases " == *" fill "* ]] && [ -n "${FILL_ROOT:-}" ]; then
    fill=$FILL_ROOT
    pair "free-space fill, 1 random pass, vs dd from /dev/zero" "sync" \
        "'$bench' freespace --method NIST '$fill'" \
        "dd if=/dev/zero of='$fill/dd.fill' bs=1M conv=fdatasync status=none; rm -f '$fill/dd.fill'"
    pair "free-space fill, 1 random pass, vs dd from /dev/urandom" "sync" \
        "'$bench' freespace --method NIST '$fill'" \
        "dd if=/dev/urandom of='$fill/dd.fill' bs=1M conv=fdatasync status=none; rm -f '$fill/dd.fill'"
    echo "page cache peak, filling $(df -h --output=size "$fill" | tail -1 | tr -d ' '): $(peak "$bench" freespace --method NIST "$fill")"
    # Where the wipe's time goes, in one run: the fill, then the names, the
    # journal and TRIM (the bench puts the seconds before each log line).
    # The log stays off the volume the fill fills.
    log=$(mktemp)
    sync
    "$bench" freespace --method NIST "$fill" >"$log" 2>&1 || true
    awk '/🔄/ && f == "" {f = $1} /^bytes:/ {t = $4}
         END {if (f == "") f = t; printf "free-space wipe, one run: fill %.2f s, then names, journal and TRIM %.2f s\n", f, t - f}' \
        "$log"
    rm -f "$log"
fi

if [[ " $cases " == *" drive "* ]] && [ "$(id -u)" -eq 0 ]; then
    # Before each side, the image file is written whole and in order (the
    # wipe's closing discard punches it full of holes): both sides then
    # overwrite blocks of the host's file that are there and laid out in
    # order. Into holes, or into blocks merely allocated, two writes in
    # flight leave the file's blocks or extents scattered, and the read-back
    # measures that instead. (Limiting the loop device's discards through
    # sysfs would outlive the device: its next user would get none.)
    truncate -s "$drive_size" "$work/drive.img"
    chunks=$(($(stat -c %s "$work/drive.img") / 4194304))
    refill() { dd if=/dev/zero of="$work/drive.img" bs=4M count="$chunks" conv=notrunc,fdatasync status=none; }
    dev=$(losetup --direct-io=on --show -f "$work/drive.img")
    # One run's pass and read-back, from the seconds before its log lines,
    # against dd writing and reading the same device with direct I/O.
    # A pass ends with fdatasync, so dd is timed with and without one; dd
    # reads back random data, as the wipe does.
    w=() r=() d0=() d1=() dr=() r0=() r1=() rr=()
    for _ in $(seq 1 "$runs"); do
        log=$(mktemp)
        refill
        "$bench" drive --method NIST --verify "$dev" >"$log" 2>&1 || true
        read -r tw tr < <(awk '/Pass 1 of 1 over/ {s = $1} /Pass 1 of 1 written/ {e = $1}
            /Read back and compared/ {v = $1} END {print e - s, v - e}' "$log")
        rm -f "$log"
        refill
        t0=$(timed dd if=/dev/zero of="$dev" bs=4M oflag=direct)
        t1=$(timed dd if=/dev/zero of="$dev" bs=4M oflag=direct conv=fdatasync)
        # dd reads back random data too: zeros read faster on some disks.
        dd if=/dev/urandom of="$dev" bs=4M iflag=fullblock oflag=direct status=none 2>/dev/null || true
        tdr=$(timed dd if="$dev" of=/dev/null bs=4M iflag=direct)
        w+=("$tw") r+=("$tr") d0+=("$t0") d1+=("$t1") dr+=("$tdr")
        r0+=("$(echo "$t0 / $tw" | bc -l)") r1+=("$(echo "$t1 / $tw" | bc -l)")
        rr+=("$(echo "$tdr / $tr" | bc -l)")
    done
    row() { printf '%-58s velmora %6.2f s  peer %6.2f s  ratio %5.2f\n' "$@"; }
    row "drive $drive_size, 1 pass, vs dd zero oflag=direct" "$(median "${w[@]}")" \
        "$(median "${d0[@]}")" "$(median "${r0[@]}")"
    row "drive $drive_size, 1 pass, vs dd zero oflag=direct,fdatasync" "$(median "${w[@]}")" \
        "$(median "${d1[@]}")" "$(median "${r1[@]}")"
    row "drive $drive_size, read-back, vs dd iflag=direct" "$(median "${r[@]}")" \
        "$(median "${dr[@]}")" "$(median "${rr[@]}")"
    echo "page cache peak, wiping the $drive_size drive: $(peak "$bench" drive --method NIST --verify "$dev")"
    losetup -d "$dev"
    rm -f "$work/drive.img"
fi

if [[ " $cases " == *" drives "* ]] && [ "$(id -u)" -eq 0 ]; then
    # Many drives at once: velmora-cli's one pass over N loop devices (direct
    # I/O, no read-back) as one process, against N dd writing zeros with
    # direct I/O and a closing fdatasync, all started together. The images
    # are written whole before each side, as in the drive case.
    for n in $station_counts; do
        devs=()
        for i in $(seq 1 "$n"); do
            truncate -s "$station_size" "$work/station$i.img"
            devs+=("$(losetup --direct-io=on --show -f "$work/station$i.img")")
        done
        refill_all() {
            for i in $(seq 1 "$n"); do
                dd if=/dev/zero of="$work/station$i.img" bs=4M conv=notrunc,fdatasync status=none \
                    count=$(($(stat -c %s "$work/station$i.img") / 4194304))
            done
        }
        dd_all="for d in ${devs[*]}; do dd if=/dev/zero of=\$d bs=4M oflag=direct conv=fdatasync status=none & done; wait"
        pair "$n drive(s) of $station_size at once, 1 pass, vs $n dd oflag=direct" refill_all \
            "'$cli' drive --yes --quiet --no-verify ${devs[*]}" "$dd_all"
        # The same work on both sides: Velmora discards every drive after
        # its pass (on a loop device, holes punched in its image).
        dd_discard="for d in ${devs[*]}; do (dd if=/dev/zero of=\$d bs=4M oflag=direct conv=fdatasync status=none; blkdiscard \$d) & done; wait"
        pair "$n drive(s) of $station_size at once, vs $n dd oflag=direct + blkdiscard" refill_all \
            "'$cli' drive --yes --quiet --no-verify ${devs[*]}" "$dd_discard"
        if [ "$n" -ge 16 ]; then
            refill_all
            echo "memory peak, $n drives at once: $(peak "$cli" drive --yes --quiet --no-verify "${devs[@]}")"
        fi
        losetup -d "${devs[@]}"
        rm -f "$work"/station*.img
    done
fi
