#!/usr/bin/env bash
# Screenshots of every page and dialog a new user meets, under a real X
# server with a window manager (Xvfb and openbox) at 1366 × 768, in English
# and German: home, the volume pages, the drives (a LUKS drive's choices,
# two drives wiped at once), the file page, the method dialog, the
# confirmation, the progress page, the box that ends a job with a problem,
# the page after it, the report, the menu, Reports…, Schedule… and Report
# Details…. Everything it touches is made for it: a scratch ext4 volume with
# one immutable file that cannot be erased, and three scratch loop drives,
# one of them LUKS. The user's own settings and reports stay out of it.
#
#   sudo ./scripts/screenshots.sh [OUT_DIR] [SCALE]
#
# LANGS picks the languages (default "en_US de_DE"), for instance
# LANGS="fr_FR es_ES it_IT pt_BR pl_PL ru_RU zh_CN ja_JP".
set -euo pipefail
here=$(dirname "$(realpath "$0")")
out=$(realpath -m "${1:-screenshots}")
scale=${2:-1}
[ "$(id -u)" -eq 0 ] || { echo "needs root (loop devices, chattr)"; exit 2; }
"$here/setup.sh" --screenshots
tour="$here/../build/tests/velmora-screenshot-tour"
ninja -C "$here/../build" -j2 velmora-screenshot-tour >/dev/null || {
    echo "build first: ./scripts/build.sh"; exit 2; }
mkdir -p "$out"
work=$(mktemp -d)
export DISPLAY=:77 XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    XDG_STATE_HOME=$work/state XDG_CACHE_HOME=$work/cache QT_SCALE_FACTOR=$scale
Xvfb "$DISPLAY" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
openbox >/dev/null 2>&1 & wm=$!
truncate -s 2G "$work/volume.img"
mkfs.ext4 -q -F -L Scratch "$work/volume.img"
mkdir "$work/volume"
mount -o loop "$work/volume.img" "$work/volume"
demo=$work/volume/demo
drives=()
cleanup() {
    chattr -i "$demo/contract-signed.pdf" 2>/dev/null || true
    umount "$work/volume" 2>/dev/null || true
    for d in "${drives[@]}"; do partx -d "$d" 2>/dev/null || true; losetup -d "$d" 2>/dev/null || true; done
    kill "$wm" "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for name in luks a b; do
    truncate -s 256M "$work/$name.img"
    drives+=("$(losetup --show -f "$work/$name.img")")
done
printf 'scratch' | cryptsetup luksFormat -q --pbkdf pbkdf2 --pbkdf-force-iterations 1000 \
    --key-file - "${drives[0]}"

files() {
    chattr -i "$demo/contract-signed.pdf" 2>/dev/null || true
    rm -rf "$demo"; mkdir -p "$demo/holiday-photos"
    for n in tax-return-2025.pdf passport-scan.jpg medical-letter.odt bank-statement-11.pdf; do
        head -c 300000 /dev/urandom >"$demo/$n"
    done
    for i in 1 2 3; do head -c 200000 /dev/urandom >"$demo/holiday-photos/IMG_00$i.jpg"; done
    head -c 600M /dev/zero >"$demo/family-video.mkv"
    echo signed >"$demo/contract-signed.pdf"; chattr +i "$demo/contract-signed.pdf"; sync
}

for lang in ${LANGS:-en_US de_DE}; do
    files
    LANG=$lang.UTF-8 LANGUAGE= "$tour" "$out" "$lang" "$work/volume" "${drives[@]}" \
        "$demo"/*.pdf "$demo"/*.jpg "$demo"/*.odt "$demo/holiday-photos" "$demo/family-video.mkv"
done
echo "screenshots in $out"
