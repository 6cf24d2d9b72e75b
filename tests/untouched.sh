#!/bin/sh
# The suite destroys nothing of the machine's. Run first ("plant") and last
# ("check") around every other test:
#  - a tripwire volume outside every test's folder, holding root's Trash as
#    a desktop keeps it on a volume (.Trash-0, and .Trash/0 in a sticky
#    .Trash), must be whole at the end: a test whose job reached past its
#    own folders (the Trash of every volume, a start-up scan) empties it;
#  - root's Trash on the machine's own volumes is only looked at, and the
#    names found in it must all still be there at the end.
# Usage: untouched.sh plant|check FOLDER
set -u
mode=$1
dir=$2
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

case "$mode" in
plant)
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
        gone=$(comm -23 "$seen" "$seen.after")
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
