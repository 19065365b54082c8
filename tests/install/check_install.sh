#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Installs the build into a fresh prefix and checks what lands there: the
# file list, the menus of the desktop entry, and the desktop entry and
# AppStream data as the desktop's own validators see them, with no error or
# warning. Then builds the Debian package and checks its version (in its
# name), its dependencies, both those worked out from the binary and those
# it needs besides (the platform plugin, SVG support and fonts), that
# Debian's checker finds no error or warning in it (an icon whose size does
# not match its folder is one), and that apt could install it here.
set -eu
build=$1
plugins=$2 # Qt's
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
id=example.qq7nv.MorvaneCalc

cmake --install "$build" --prefix "$out/prefix" >/dev/null
installed=$(cd "$out/prefix" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
[ "$installed" = "./bin/morvanecalc ./share/applications/$id.desktop ./share/doc/morvanecalc/changelog.gz \
./share/doc/morvanecalc/copyright ./share/icons/hicolor/256x256/apps/$id.png ./share/icons/hicolor/48x48/apps/$id.png \
./share/icons/hicolor/scalable/apps/$id.svg ./share/man/man1/morvanecalc.1.gz ./share/metainfo/$id.metainfo.xml " ] \
    || { printf 'installed:\n%s\n' "$installed"; exit 1; }
entry=$out/prefix/share/applications/$id.desktop
grep -q '^Categories=.*;HamRadio;' "$entry" || { echo "not in a Ham Radio menu"; exit 1; }
if desktop-file-validate "$entry" | grep -E 'error|warning'; then exit 1; fi
appstreamcli validate --no-net "$out/prefix/share/metainfo/$id.metainfo.xml"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(echo "$out"/morvanecalc_1.00_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
# What it loads without linking - the X11 and SVG plugins and the faces the
# window tests draw with - by the packages that hold them on this release.
loaded=$(realpath "$plugins"/*/libqxcb.so "$plugins"/*/libqsvg*.so "$build"/tests/window/fonts/* | xargs dpkg-query -S | sed 's/[:,].*//')
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 $loaded; do # Debian 13 renamed some for its 64-bit time
    echo ", $depends," | grep -qE ", $package(t64)?[ ,]" || { echo "no dependency on $package in: $depends"; exit 1; }
done
lintian --fail-on error,warning "$deb"
apt-get install --simulate "$deb" >/dev/null
