#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Installs the build into a fresh prefix and checks what lands there: the
# file list, the icon sizes, and the desktop entry and AppStream data as the
# desktop's own validators see them.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.qq7nv.MorvaneCalc

actual=$(cd "$prefix" && find . -type f | sort)
expected=$(sort <<LIST
./bin/morvanecalc
./share/applications/$id.desktop
./share/doc/morvanecalc/changelog.gz
./share/doc/morvanecalc/copyright
./share/icons/hicolor/256x256/apps/$id.png
./share/icons/hicolor/48x48/apps/$id.png
./share/icons/hicolor/scalable/apps/$id.svg
./share/man/man1/morvanecalc.1.gz
./share/metainfo/$id.metainfo.xml
LIST
)
[ "$actual" = "$expected" ] || { printf 'installed:\n%s\nexpected:\n%s\n' "$actual" "$expected"; exit 1; }

for size in 48 256; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," \
        || { echo "the ${size}x$size icon is not a PNG of that size"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "install: all files in place and valid"
