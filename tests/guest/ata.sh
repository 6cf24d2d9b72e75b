#!/bin/sh
# ATA commands through a real kernel's libata: a small Linux guest under
# QEMU (software emulation) with an AHCI controller and one SATA disk runs
# the built velmora-cli against it. This proves the plumbing the stand-in
# in test_drives skips: IDENTIFY sent as ATA PASS-THROUGH through SG_IO and
# its words read back (the size the disk gives must be the kernel's, and
# the serial and model as QEMU was told), the SANITIZE feature set found
# missing in IDENTIFY and said so, and a wipe with sampled read-back over
# the SATA path. QEMU's disk has neither the host protected area nor the
# accessible max address feature set (no READ NATIVE MAX ADDRESS is sent,
# and no limit can be set); hidden sectors are played by the stand-in.
#
# ata.sh VELMORA_CLI: exit 0, 1 on a failure, 77 (skipped) without QEMU,
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
markers() { dd if=/dev/sda bs=1M 2>/dev/null | grep -a -o VELMORA-MARKER | wc -l; }
echo "PROBE $(velmora-cli drives --json | tr -d ' \n')"
echo "KERNEL $(cat /sys/block/sda/size)"
for block in 0 7 1000 65535 131071; do
    printf 'VELMORA-MARKER-%s' "$block" | dd of=/dev/sda bs=512 seek=$block conv=notrunc 2>/dev/null
done
sync
echo "BEFORE $(markers)"
velmora-cli drive --yes --verify=sample --json /tmp/out.json /dev/sda >/tmp/log 2>&1
echo "WIPE rc=$?"
sed 's/^/LOG /' /tmp/log
echo "OUTCOME $(tr -d '\n ' </tmp/out.json)"
echo "AFTER $(markers)"
# Both drives at once, each with a serial of its own: each drive's line of
# the summary, and its outcome, name its own serial.
mkdir -p /tmp/station
velmora-cli drive --yes --no-verify --json /tmp/station/ /dev/nvme0n1 /dev/sda >/dev/null 2>/tmp/station.err
echo "STATION rc=$?"
sed 's/^/SUMMARY /' /tmp/station.err
for f in /tmp/station/*.json; do echo "SERIALOF $(basename "$f") $(tr -d '\n ' <"$f" | grep -o '"serial":"[^"]*"' | head -1)"; done
EOF

guest_run "$work/check.sh" 16M 64M
guest_lines 'PROBE|KERNEL|BEFORE|WIPE|LOG|OUTCOME|AFTER|STATION|SUMMARY|SERIALOF'
probe=$(line PROBE)
echo "$probe" | grep -q '"path":"/dev/sda"' || fail "drives does not list the SATA disk"
echo "$probe" | grep -q '"serial":"velmora-ata"' || fail "the disk's serial was not read"
echo "$probe" | grep -q '"model":"VELMORA-SATA"' || fail "the disk's model was not read"
echo "$probe" | grep -q '"protocol":"ata"' || fail "the probe did not ask the disk as ATA"
echo "$probe" | grep -q 'doesnotsupporttheATASANITIZEfeatureset' ||
    fail "the disk without SANITIZE was not said to lack it"
sectors=$(line KERNEL)
[ "$(line BEFORE)" = 5 ] || fail "the markers were not written"
line WIPE | grep -q '^rc=0' || fail "the wipe did not complete: $(line WIPE)"
outcome=$(line OUTCOME)
# Both sizes as the disk told them through libata: what the kernel shows.
echo "$outcome" | grep -q "\"hiddenArea\":{\"accessibleSectors\":$sectors,\"feature\":\"\",\"hiddenSectors\":0,\"nativeSectors\":$sectors}" ||
    fail "the size IDENTIFY gave is not the kernel's $sectors sectors"
echo "$outcome" | grep -q '"verification":"sampled-read-back"' || fail "the sampled read-back is not recorded"
echo "$outcome" | grep -q '"result":"erased"' || fail "the wipe is not recorded as erased"
[ "$(line AFTER)" = 0 ] || fail "markers of ours are still on the disk"
line STATION | grep -q '^rc=0' || fail "the two drives at once did not both finish: $(line STATION)"
grep -q "^SUMMARY nvme0n1	velmora-guest	Wiped" "$work/lines" ||
    fail "the NVMe drive's summary does not carry its own serial"
grep -q "^SUMMARY sda	velmora-ata	Wiped" "$work/lines" ||
    fail "the SATA disk's summary does not carry its own serial"
grep -q '^SERIALOF velmora-guest.json "serial":"velmora-guest"' "$work/lines" ||
    fail "the NVMe drive's outcome does not carry its own serial"
grep -q '^SERIALOF velmora-ata.json "serial":"velmora-ata"' "$work/lines" ||
    fail "the SATA disk's outcome does not carry its own serial"
echo "PASS"
