#!/bin/sh
# The suite destroys nothing of the machine's. Run first ("plant") and last
# ("check") around every other test:
#  - a tripwire volume outside every test's folder, holding root's Trash as
#    a desktop keeps it on a volume (.Trash-0, and .Trash/0 in a sticky
#    .Trash), must be whole at the end: a test whose job reached past its
#    own folders (the Trash of every volume, a start-up scan) empties it;
#  - root's Trash on the machine's own volumes is only looked at, and the
#    names found in it must all still be there at the end.
# Both also take down what a test killed by its time limit left behind in
# the tests' scratch folders: mounts (a FUSE mount that hangs is aborted
# first) and loop devices.
# Usage: untouched.sh plant|check FOLDER SCRATCH
set -u
mode=$1
dir=$2
scratch=${3:-}
wire=$dir/tripwire
seen=$dir/trash-seen.txt
canary="left here by the suite's tripwire"

# Root's Trash on every writable volume of the machine, name by name; read,
# never written. The volumes of tests (this run's or another's beside it)
# come and go, and are not the machine's.
machine_trash() {
    awk '$6 !~ /(^|,)ro(,|$)/ { print $5 }' /proc/self/mountinfo |
        grep -v -e '^/proc' -e '^/sys' -e '^/dev' -e '^/run' \
                -e '/tests/scratch/' -e '/tests/untouched/' |
        while read -r mnt; do
            for t in "$mnt/.Trash-0" "$mnt/.Trash/0"; do
                [ -d "$t/files" ] && ls -A "$t/files" | sed "s|^|$t/files/|"
            done
        done | sort
}

sweep() {
    [ -n "$scratch" ] && [ "$(id -u)" -eq 0 ] || return 0
    awk -v s="$scratch/" 'index($5, s) == 1 {
            for (i = 7; i < NF; i++) if ($i == "-") break
            print $3, $5, $(i + 1) }' /proc/self/mountinfo |
        sort -r -k2 | while read -r number mnt type; do
            case "$type" in
            fuse*) [ -w "/sys/fs/fuse/connections/${number#0:}/abort" ] &&
                echo 1 >"/sys/fs/fuse/connections/${number#0:}/abort" ;;
            esac
            umount -l "$mnt" 2>/dev/null
        done
    losetup -ln -O NAME,BACK-FILE 2>/dev/null | awk -v s="$scratch/" 'index($2, s) == 1 { print $1 }' |
        while read -r loop; do losetup -d "$loop" 2>/dev/null; done
    return 0
}

case "$mode" in
plant)
    sweep
    mkdir -p "$dir"
    # A tripwire a killed run left mounted is taken down first.
    mountpoint -q "$wire" 2>/dev/null && umount -l "$wire"
    machine_trash >"$seen"
    if [ "$(id -u)" -ne 0 ]; then
        exit 0
    fi
    mkdir -p "$wire"
    mount -t tmpfs -o size=4m tripwire "$wire" || exit 0
    mkdir -p "$wire/.Trash-0/files" "$wire/.Trash-0/info" "$wire/.Trash/0/files" \
             "$wire/.Trash/0/info"
    chmod 1777 "$wire/.Trash"
    chmod 700 "$wire/.Trash-0" "$wire/.Trash/0"
    for t in "$wire/.Trash-0" "$wire/.Trash/0"; do
        printf '%s\n' "$canary" >"$t/files/canary.txt"
        printf '[Trash Info]\nPath=%s/canary.txt\n' "$wire" >"$t/info/canary.txt.trashinfo"
    done
    exit 0
    ;;
check)
    sweep
    status=0
    if mountpoint -q "$wire" 2>/dev/null; then
        for t in "$wire/.Trash-0" "$wire/.Trash/0"; do
            if [ "$(cat "$t/files/canary.txt" 2>/dev/null)" != "$canary" ]; then
                echo "A test reached outside its own folders: $t was emptied or changed"
                status=1
            fi
        done
        umount -l "$wire"
    fi
    if [ -f "$seen" ]; then
        machine_trash >"$seen.after"
        # A volume unmounted meanwhile took its Trash along: only what went
        # from a Trash still there counts.
        gone=$(comm -23 "$seen" "$seen.after" | while read -r entry; do
            [ -d "${entry%/files/*}/files" ] && echo "$entry"
        done)
        if [ -n "$gone" ]; then
            echo "Gone from root's Trash on the machine's volumes during the run:"
            echo "$gone"
            status=1
        fi
    fi
    exit $status
    ;;
esac
echo "usage: untouched.sh plant|check FOLDER" >&2
exit 2
