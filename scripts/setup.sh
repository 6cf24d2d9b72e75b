#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12,
# but only what is missing. Safe to run again. With --screenshots, also what
# scripts/screenshots.sh needs; with --bench, what bench/suite_under_load.sh
# needs.
set -euo pipefail

packages=(
    cmake g++ ninja-build          # build tools
    qt6-base-dev qt6-base-dev-tools libgl-dev  # Qt 6 Widgets, Concurrent, Test, uic/moc/rcc
    libssl-dev                     # libcrypto: the AES keystream behind random passes
    libcryptsetup-dev pkg-config   # libcryptsetup: finding and destroying LUKS keys
    libnvme-dev                    # libnvme: an NVMe drive's own sanitize and format commands
    libfdisk-dev exfatprogs        # libfdisk and mkfs: a wiped stick made ready to use again
    cryptsetup-bin                 # cryptsetup: the tests make LUKS containers to destroy
    fonts-noto-color-emoji fonts-liberation2  # the log's symbols and its text
    fonts-noto-cjk                 # Chinese and Japanese in the window and the report's PDF
    dosfstools e2fsprogs util-linux  # small test volumes (mkfs, mount, losetup)
    fusefat                        # FAT test volumes where the kernel has no vfat
    libfuse3-dev                   # the tests' own FUSE file that fails or hangs like a drive
    exfatprogs exfat-fuse          # exFAT test volumes where the kernel has no exFAT
    ntfs-3g                        # NTFS test volumes through the driver desktops use
    xfsprogs btrfs-progs           # XFS and btrfs test volumes
    qt6-tools-dev qt6-l10n-tools   # lupdate and lrelease for the translations
    qt6-translations-l10n          # Qt's own texts (file dialogs, buttons) in the user's language
    desktop-file-utils appstream   # checks of the installed desktop entry and metainfo
    poppler-utils                  # pdftotext: the tests read the erasure report back
    man-db                         # man: Help shows the installed manual where no browser answers
    bubblewrap                     # a read-only sandbox for tests that name system paths
    python3                        # the packaging test runs the file managers' extensions
    systemd                        # systemd-analyze checks the units of scheduled wipes
    qemu-system-x86 linux-image-amd64 busybox-static cpio  # a small guest with an emulated NVMe drive
)
# scripts/screenshots.sh: a real X server and a window manager.
if [ "${1:-}" = "--screenshots" ]; then
    packages+=(xvfb openbox)
fi
# bench/suite_under_load.sh: a processor kept busy beside the suite.
if [ "${1:-}" = "--bench" ]; then
    packages+=(stress-ng git)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
