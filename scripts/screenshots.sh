#!/usr/bin/env bash
# Screenshots of the window as a user sees it, under a real X server with a
# window manager (Xvfb and openbox), in English and German: the home page, a
# volume table, the file page with entries, the method dialog, the
# confirmation, the progress page, the box that ends a job with a problem and
# the page after it. The job runs on a scratch ext4 image of its own, with one
# immutable file that cannot be erased.
#
#   sudo ./scripts/screenshots.sh [OUT_DIR] [SCALE]
#
# Needs root (loop device, chattr) and: xvfb openbox xdotool imagemagick.
set -euo pipefail
out=$(realpath -m "${1:-screenshots}")
scale=${2:-1}
app=$(realpath "$(dirname "$0")/../build/app/velmora")
for tool in Xvfb openbox xdotool import mkfs.ext4 chattr; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb openbox xdotool imagemagick)"; exit 2; }
done
[ -x "$app" ] || { echo "build first: ./scripts/build.sh"; exit 2; }
mkdir -p "$out"
work=$(mktemp -d)
export DISPLAY=:77 XDG_STATE_HOME=$work/state
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 & xvfb=$!
sleep 1
openbox >/dev/null 2>&1 & wm=$!
truncate -s 2G "$work/volume.img"
mkfs.ext4 -q -F "$work/volume.img"
mkdir "$work/volume"
mount -o loop "$work/volume.img" "$work/volume"
demo=$work/volume/demo
cleanup() {
    pkill -f "^$app" || true
    chattr -i "$demo/contract-signed.pdf" 2>/dev/null || true
    umount "$work/volume" 2>/dev/null || true
    kill "$wm" "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The largest visible window whose title matches $1 (waits for it).
window() {
    for _ in $(seq 1 150); do
        local best="" width=0 w
        for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
            if [ "${WIDTH:-0}" -gt "$width" ]; then width=$WIDTH; best=$w; fi
        done
        if [ "$width" -gt 50 ]; then sleep 0.8; echo "$best"; return; fi
        sleep 0.1
    done
    echo "no window '$1'" >&2; return 1
}
# Clicks at X,Y in the window titled $1 (offsets from what the window manager reports).
click_in() {
    eval "$(xdotool getwindowgeometry --shell "$(window "$1")")"
    xdotool mousemove $((X + $2)) $((Y + $3)); sleep 0.3; xdotool click 1; sleep 0.4
}
shot() { sleep "${2:-0.6}"; import -window root "$out/$lang-$1.png"; }

files() {
    chattr -i "$demo/contract-signed.pdf" 2>/dev/null || true
    rm -rf "$demo"; mkdir -p "$demo/holiday-photos"
    for n in tax-return-2025.pdf passport-scan.jpg medical-letter.odt bank-statement-11.pdf; do
        head -c 300000 /dev/urandom >"$demo/$n"
    done
    for i in 1 2 3; do head -c 200000 /dev/urandom >"$demo/holiday-photos/IMG_00$i.jpg"; done
    head -c 1200M /dev/zero >"$demo/family-video.mkv"
    echo signed >"$demo/contract-signed.pdf"; chattr +i "$demo/contract-signed.pdf"; sync
}

run() { # LANG, then the titles of the method dialog, the confirmation, the problem box
    lang=${1%%_*}
    files
    LANG=$1 LANGUAGE= QT_SCALE_FACTOR=$scale "$app" >/dev/null 2>&1 &
    window Velmora >/dev/null; xdotool mousemove 5 5
    shot home 1
    click_in Velmora 410 300; xdotool mousemove 5 5      # the free-space card
    shot volumes
    pkill -f "^$app"; sleep 0.5
    LANG=$1 LANGUAGE= QT_SCALE_FACTOR=$scale "$app" "$demo"/*.pdf "$demo"/*.jpg "$demo"/*.odt \
        "$demo/holiday-photos" "$demo/family-video.mkv" >/dev/null 2>&1 &
    window Velmora >/dev/null; xdotool mousemove 5 5
    shot files 1
    click_in Velmora 745 475                              # Next
    window "$2" >/dev/null
    click_in "$2" 60 79                                   # DoD 5220.22-M
    shot method 0.2
    click_in "$2" 435 231                                 # Start
    window "$3" >/dev/null
    xdotool type Erase
    shot confirmation 0.3
    xdotool key Return
    shot progress 1.2
    window "$4" >/dev/null
    shot problem-box 0.5
    xdotool key Return
    shot after-the-job 0.8
    pkill -f "^$app"; sleep 0.5
}

run en_US.UTF-8 "Select Erase Method" "Confirm" "Finished with problems"
run de_DE.UTF-8 ".*schverfahren w.*hlen" "Best.*tigen" "Mit Problemen beendet"
echo "screenshots in $out"
