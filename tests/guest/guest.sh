# A small Linux guest under QEMU (software emulation) with an emulated NVMe
# controller, and where asked an AHCI controller with one SATA disk, for the
# tests and the bench: sourced, it makes the guest's root and runs it.
#
#   guest_usable            true where QEMU, a kernel in /boot, busybox-static
#                           and cpio are installed
#   guest_prepare BIN...    a root with busybox, each BIN in /bin with every
#                           library it loads, and the NVMe and AHCI drivers
#   guest_run SCRIPT SIZE [ATA_SIZE]
#                           runs SCRIPT in the guest against /dev/nvme0n1, a
#                           drive of SIZE (truncate's units), and with
#                           ATA_SIZE a SATA disk /dev/sda behind AHCI; the
#                           lines the guest printed go to $work/console
#   guest_lines WORDS       the console's lines that start with one of WORDS
#                           ("PROBE|LOG"), shown cut short and kept in
#                           $work/lines; fails unless the guest ran to its end
#   line WORD               the rest of the first kept line starting with WORD
#   fail TEXT               says TEXT and ends the test as failed
# $work is the guest's folder, removed on exit unless KEEP is set.

guest_usable() {
    kernel=$(ls /boot/vmlinuz-* 2>/dev/null | sort -V | tail -n 1 || true)
    [ -x /usr/bin/qemu-system-x86_64 ] && [ -n "$kernel" ] && [ -x /bin/busybox ] &&
        command -v cpio >/dev/null
}

guest_prepare() {
    version=${kernel#/boot/vmlinuz-}
    modules=/usr/lib/modules/$version/kernel
    work=$(mktemp -d); echo "work: $work"
    trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
    root=$work/root
    mkdir -p "$root/bin" "$root/dev" "$root/proc" "$root/sys" "$root/tmp" "$root/lib/modules"
    cp /bin/busybox "$root/bin/busybox"
    # Each program and every library it loads, where the loader looks.
    for bin in "$@"; do
        cp "$bin" "$root/bin/$(basename "$bin")"
        for lib in $(ldd "$bin" | awk '$2 == "=>" && $3 ~ /^\// {print $3} $1 ~ /^\// {print $1}'); do
            mkdir -p "$root$(dirname "$lib")"
            cp -L "$lib" "$root$lib"
        done
    done
    # The NVMe and AHCI drivers and what they need, in the order they load.
    for m in crypto/crct10dif_common crypto/crct10dif_generic lib/crc64 \
        crypto/crc64_rocksoft_generic lib/crc-t10dif lib/crc64-rocksoft block/t10-pi \
        drivers/nvme/host/nvme-core drivers/nvme/host/nvme \
        drivers/scsi/scsi_common drivers/scsi/scsi_mod drivers/scsi/sd_mod \
        drivers/ata/libata drivers/ata/libahci drivers/ata/ahci; do
        if [ -f "$modules/$m.ko" ]; then
            cp "$modules/$m.ko" "$root/lib/modules/"
            basename "$m.ko" >>"$root/lib/modules/order"
        fi
    done
    cat >"$root/init" <<'INIT'
#!/bin/busybox sh
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mount -t tmpfs tmp /tmp
for m in $(cat /lib/modules/order); do insmod /lib/modules/$m 2>/dev/null; done
i=0
while [ ! -b /dev/nvme0n1 ] && [ $i -lt 200 ]; do sleep 0.1; i=$((i + 1)); done
while [ -e /ata ] && [ ! -b /dev/sda ] && [ $i -lt 400 ]; do sleep 0.1; i=$((i + 1)); done
export HOME=/tmp XDG_DATA_HOME=/tmp/data XDG_STATE_HOME=/tmp/state XDG_CONFIG_HOME=/tmp/config
sh /check.sh
echo "GUEST-END"
poweroff -f
INIT
    chmod +x "$root/init"
}

guest_run() {
    cp "$1" "$root/check.sh"
    set -- "$@" ""
    ata=
    rm -f "$root/ata"
    if [ -n "$3" ]; then
        truncate -s "$3" "$work/ata.img"
        touch "$root/ata"
        ata="-device ahci,id=ahci -drive file=$work/ata.img,if=none,id=sd,format=raw
            -device ide-hd,drive=sd,bus=ahci.0,serial=velmora-ata,model=VELMORA-SATA"
    fi
    (cd "$root" && find . | cpio -o -H newc --quiet) >"$work/initrd"
    truncate -s "$2" "$work/nvme.img"
    guest_start=$(date +%s)
    timeout 900 qemu-system-x86_64 -m 768 -nographic -no-reboot -accel tcg \
        -kernel "$kernel" -initrd "$work/initrd" \
        -append "console=ttyS0 quiet panic=-1 rdinit=/init" \
        -drive file="$work/nvme.img",if=none,id=nv,format=raw \
        -device nvme,serial=velmora-guest,drive=nv $ata >"$work/console" 2>&1 || true
    echo "guest ran $(($(date +%s) - guest_start)) s"
}

fail() {
    echo "FAIL: $*"
    exit 1
}

guest_lines() {
    # The console's first line starts with the firmware's terminal codes.
    tr -d '\r' <"$work/console" |
        grep -a -o -E "($1) .*|GUEST-END" |
        tee "$work/lines" | cut -c1-300
    grep -q '^GUEST-END' "$work/lines" || fail "the guest did not run to its end"
}

line() { grep "^$1 " "$work/lines" | head -n 1 | cut -d' ' -f2-; }
