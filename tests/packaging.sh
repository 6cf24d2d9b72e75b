#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch folder and checks what desktops and
# software centres read from it. Exit 77 (skipped) without the validators.
set -eu
build=$1
lupdate=$2
source=$(cd "$(dirname "$0")/.." && pwd)
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
share="$root/usr/share"
id=org.velmora.Velmora

desktop-file-validate "$share/applications/$id.desktop"
# Warnings fail too; an info about a missing screenshot does not.
appstreamcli validate --no-net --explain "$share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$(sed -n 's/^project(Velmora VERSION \([^ ]*\).*/\1/p' "$source/CMakeLists.txt")\"" \
    "$share/metainfo/$id.metainfo.xml"

for size in 16 24 32 48 64 128 256 512; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/$id.png"
done
test -s "$share/icons/hicolor/scalable/apps/$id.svg"
gzip -t "$share/man/man1/velmora.1.gz" && gzip -t "$share/man/man1/velmora-cli.1.gz"
test -x "$root/usr/bin/velmora" && test -x "$root/usr/bin/velmora-admin" && test -x "$root/usr/bin/velmora-cli"
sh -n "$root/usr/bin/velmora-admin"
grep -q '<annotate key="org.freedesktop.policykit.exec.path">/usr/bin/velmora</annotate>' \
    "$share/polkit-1/actions/$id.policy"
grep -q '^Exec=velmora-admin %F$' "$share/applications/$id.desktop"

# GNOME Files' and Caja's extensions compile, and pass any selection on as it is.
for manager in nautilus:Nautilus caja:Caja; do
    extension="$share/${manager%%:*}-python/extensions/velmora-erase.py"
    python3 -m py_compile "$extension"
    python3 "$source/tests/filemanager_extension.py" "$extension" "${manager#*:}" "$root/${manager%%:*}"
done

# Every catalogue holds exactly the texts of the sources, each one translated.
for ts in "$source"/packaging/translations/velmora_*.ts; do
    copy="$root/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$source" && "$lupdate" -silent -no-obsolete -locations none app dialogs engine -ts "$copy")
    if grep -q 'type="unfinished"' "$copy" || ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts") is behind the sources; run: ninja -C build update_translations" >&2
        grep -B2 'type="unfinished"' "$copy" | grep '<source>' >&2
        exit 1
    fi
done
# Every text is looked up in the context it is catalogued in: a text that
# lupdate files under the namespace went through a helper it cannot see
# into (a local tr()), and would be shown untranslated.
for ts in "$source"/packaging/translations/velmora_*.ts; do
    if grep -q '<name>velmora</name>' "$ts"; then
        echo "$(basename "$ts") has texts in the context 'velmora': call QCoreApplication::translate with the context" >&2
        exit 1
    fi
done
# Each language of the catalogues names and describes the application in
# the menus and the software centre too.
for ts in "$source"/packaging/translations/velmora_*.ts; do
    lang=$(basename "$ts" .ts)
    lang=${lang#velmora_}
    for key in GenericName Comment; do
        grep -q "^$key\[$lang\]=" "$source/packaging/org.velmora.Velmora.desktop" || {
            echo "the desktop entry has no $key[$lang]" >&2
            exit 1
        }
    done
    grep -q "<summary xml:lang=\"$lang\">" "$source/packaging/org.velmora.Velmora.metainfo.xml.in" || {
        echo "the metainfo has no summary in $lang" >&2
        exit 1
    }
done
# Each language keeps one word for each term a user must not confuse.
python3 "$source/tests/glossary.py" "$source/packaging/translations/glossary.tsv" \
    "$source"/packaging/translations/velmora_*.ts || exit 1
# English holds the plural forms of the texts with %n, each one given.
plurals="$source/packaging/translations/plurals/velmora_en.ts"
copy="$root/plurals.ts"
cp "$plurals" "$copy"
(cd "$source" && "$lupdate" -silent -pluralonly -no-obsolete -locations none -target-language en \
    app dialogs engine -ts "$copy")
if grep -q 'type="unfinished"' "$copy" || ! cmp -s "$plurals" "$copy"; then
    echo "velmora_en.ts is behind the sources; run: ninja -C build update_translations" >&2
    exit 1
fi
echo "installed tree and catalogues are valid"
