#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop relies on:
# both programs, the entry, the icon at every size, the metainfo naming this
# version, and no trace of the build folder or of the configured install
# prefix in any installed file: the package puts the files elsewhere.
set -euo pipefail
build=$(cd "$1" && pwd -P)
version=$2
configured_prefix=${3:-}
id=io.github.movra.Vellomar
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A prefix that is neither /usr nor the build folder: nothing may assume either.
prefix=$work/opt/vellomar
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

for program in vellomar vellomar-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for file in applications/$id.desktop metainfo/$id.metainfo.xml icons/hicolor/scalable/apps/$id.svg; do
    [ -s "$prefix/share/$file" ] || fail "share/$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] || { fail "the $size px icon is not installed"; continue; }
    # The PNG header holds the width and height as big-endian words at 16.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "the $size px icon is $width x $height"
done

metainfo=$prefix/share/metainfo/$id.metainfo.xml
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" "$metainfo" ||
    fail "the metainfo has no dated release entry for $version"
# The programs find their private library from their own place.
"$prefix/bin/vellomar" --help >/dev/null || fail "bin/vellomar does not start from the installed tree"
reported=$("$prefix/bin/vellomar-cli" --version)
[ "$reported" = "vellomar-cli $version" ] || fail "vellomar-cli --version says '$reported', not $version"
# The picture commands load their module from the installed tree.
if listed=$("$prefix/bin/vellomar-cli" --settings "$work/settings.ini" plugins 2>&1); then
    grep -qF "$prefix/lib/vellomar/plugins/iftga.spi" <<<"$listed" ||
        fail "vellomar-cli plugins does not list the installed importers: $listed"
else
    fail "vellomar-cli plugins failed: $listed"
fi

if found=$(grep -rlF "$build" "$prefix"); then
    fail "installed files name the build folder: $found"
fi
# Folders of the program's own (plug-ins, data) are found from the running
# program's place. /usr itself is too common a string to search for.
case $configured_prefix in
    "" | / | /usr) ;;
    *)
        if found=$(grep -rlF "$configured_prefix/" "$prefix"); then
            fail "installed files name the configured prefix $configured_prefix: $found"
        fi
        ;;
esac

# Entry, metainfo and icon agree with each other as installed.
mkdir -p "$work/root/usr"
cp -r "$prefix/share" "$work/root/usr/"
appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli validate-tree"

[ $status -eq 0 ] && echo "installed tree complete"
exit $status
