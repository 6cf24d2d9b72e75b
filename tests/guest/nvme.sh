#!/bin/sh
# The drive's own erase on a real kernel's NVMe driver: a small Linux guest
# under QEMU (software emulation) with an emulated NVMe controller runs the
# built velmora-cli against it. QEMU's controller offers Format but no
# Sanitize, so this proves the plumbing: the probe through libnvme, a Format
# with markers written before and none found after, the sampled check, and
# the refusals. What QEMU lacks is played by the stand-in in test_drives and
# test_sanitize.
#
# nvme.sh VELMORA_CLI: exit 0, 1 on a failure, 77 (skipped) without QEMU,
# a kernel in /boot or busybox-static.
set -eu
cli=$1
. "$(dirname "$0")/guest.sh"
if ! guest_usable; then
    echo "skipped: needs qemu-system-x86, linux-image-amd64, busybox-static and cpio"
    exit 77
fi
guest_prepare "$cli"

cat >"$work/check.sh" <<'EOF'
markers() { dd if=/dev/nvme0n1 bs=1M 2>/dev/null | grep -a -o VELMORA-MARKER | wc -l; }
echo "PROBE $(velmora-cli drives --json | tr -d ' \n')"
# Markers of our own across the drive, where the erase must reach.
for block in 0 7 1000 4095 9999 16383; do
    printf 'VELMORA-MARKER-%s' "$block" | dd of=/dev/nvme0n1 bs=4096 seek=$block conv=notrunc 2>/dev/null
done
sync
echo "BEFORE $(markers)"
velmora-cli drive --sanitize=crypto-erase --yes /dev/nvme0n1 2>/tmp/refused
echo "REFUSED rc=$? $(cat /tmp/refused)"
echo "UNTOUCHED $(markers)"
start=$(date +%s)
velmora-cli drive --sanitize --yes --json /tmp/out.json /dev/nvme0n1 >/tmp/log 2>&1
echo "ERASE rc=$? seconds=$(($(date +%s) - start))"
sed 's/^/LOG /' /tmp/log
echo "OUTCOME $(tr -d '\n' </tmp/out.json)"
echo "AFTER $(markers)"
EOF

guest_run "$work/check.sh" 64M
guest_lines 'PROBE|BEFORE|REFUSED|UNTOUCHED|ERASE|LOG|OUTCOME|AFTER'
probe=$(line PROBE)
echo "$probe" | grep -q '"path":"/dev/nvme0n1"' || fail "drives does not list the NVMe drive"
echo "$probe" | grep -q '"protocol":"nvme"' || fail "the probe did not ask the drive as NVMe"
echo "$probe" | grep -q '"actions":\["format-erase"' || fail "QEMU's Format is not offered"
[ "$(line BEFORE)" = 6 ] || fail "the markers were not written"
line REFUSED | grep -q '^rc=2 .*does not offer crypto-erase' || fail "an action not offered was not refused"
[ "$(line UNTOUCHED)" = 6 ] || fail "a refused erase touched the drive"
line ERASE | grep -q '^rc=0 ' || fail "the Format did not complete: $(line ERASE)"
outcome=$(line OUTCOME)
echo "$outcome" | grep -q -E '"technique": *"format user-data-erase"' || fail "the technique is not the Format"
echo "$outcome" | grep -q -E '"markersLeft": *0[,}]' || fail "the sampled check found markers"
echo "$outcome" | grep -q -E '"sanitization": *"purge"' || fail "no Purge where the command and the check agree"
[ "$(line AFTER)" = 0 ] || fail "markers of ours are still on the drive"
echo "PASS"
