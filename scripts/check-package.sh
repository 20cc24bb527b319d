#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build folder and checks what it carries; lintian too, when it
# is installed.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/ampra_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/ampra ./usr/share/applications/com.vantrel.Ampra.desktop \
    ./usr/share/icons/hicolor/scalable/apps/com.vantrel.Ampra.svg \
    ./usr/share/doc/ampra/copyright ./usr/share/doc/ampra/changelog.gz \
    ./usr/share/ampra/Acknowledgements.txt ./usr/share/metainfo/com.vantrel.Ampra.metainfo.xml \
    ./usr/share/dbus-1/services/com.vantrel.Ampra.service; do
    echo "$contents" | grep -q " $path\$" || { echo "missing: $path"; exit 1; }
done
# dpkg-shlibdeps found the libraries.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6core6 (>= ' || { echo "no library dependencies"; exit 1; }
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb"
fi
