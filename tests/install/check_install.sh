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
if [ "$actual" != "$expected" ]; then
    printf 'installed files differ\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi

for size in 48 256; do
    # A PNG's width and height are the two big-endian words at byte 16.
    dimensions=$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | tr -s ' ')
    word=" 0 0 $((size / 256)) $((size % 256))"
    [ "$dimensions" = "$word$word" ] || { echo "icon ${size}x$size has the size bytes$dimensions"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "install: all files in place and valid"
