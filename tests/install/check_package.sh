#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Builds the Debian package from the build tree and checks its name, version
# and computed dependencies, that Debian's checker finds no error or warning
# in it, and that apt could install it here.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(find "$out" -maxdepth 1 -name 'morvanecalc_1.00_*.deb')
[ -n "$deb" ] || { echo "no package morvanecalc_1.00_*.deb in:"; ls "$out"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins libqt6svg6 fonts-liberation2; do
    case ", $depends," in
        *", $needed "* | *", $needed,"*) ;;
        *) echo "the package does not depend on $needed"; exit 1 ;;
    esac
done
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || { echo "version is not 1.00"; exit 1; }

lintian --fail-on error,warning "$deb"
apt-get install --simulate "$deb" >/dev/null
echo "package: $(basename "$deb") installs"
