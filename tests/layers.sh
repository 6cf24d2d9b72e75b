#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The engine's folders are layers, each built on the ones before it:
#   platform, core, fs, device, job.
# A file includes from its own layer and the ones below, and the engine
# never from the window or the command line. What differs between file
# systems is asked of their table (platform/filesystems.cpp): above the
# platform, no code compares a file system's type with a name.
set -eu
engine=$(cd "$(dirname "$0")/../engine" && pwd)
rank() {
    case $1 in
    platform) echo 0 ;; core) echo 1 ;; fs) echo 2 ;; device) echo 3 ;; job) echo 4 ;;
    *) echo 99 ;;
    esac
}
failed=0
for dir in "$engine"/*/; do
    layer=$(basename "$dir")
    own=$(rank "$layer")
    if [ "$own" = 99 ]; then
        echo "engine/$layer is no layer: give it a place in tests/layers.sh" >&2
        failed=1
        continue
    fi
    for file in "$dir"*.h "$dir"*.cpp; do
        [ -e "$file" ] || continue
        for included in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
            case $included in
            engine/*/*)
                other=${included#engine/}
                other=${other%%/*}
                if [ "$(rank "$other")" -gt "$own" ]; then
                    echo "engine/$layer/$(basename "$file") includes $included, a layer above it" >&2
                    failed=1
                fi
                ;;
            app/* | dialogs/*)
                echo "engine/$layer/$(basename "$file") includes $included, outside the engine" >&2
                failed=1
                ;;
            esac
        done
    done
done
if grep -nE '(fsType|mountType) *[!=]= *"' "$engine"/core/* "$engine"/fs/* "$engine"/device/* \
    "$engine"/job/* >&2; then
    echo "the lines above tell file systems apart by name: ask platform::fileSystem()" >&2
    failed=1
fi
exit $failed
