#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build folder, checks what it carries and what lintian says, then
# installs it with apt into a clean Debian 12 root, as on a new user's machine, and runs it there:
# what its dependencies leave out fails here.
# The Debian packages the root is made of are kept between runs in $AMPRA_PACKAGE_CACHE (by default
# BUILD/package-check-cache); apt still asks the mirror whether they are current.
# Usage: scripts/check-package.sh BUILD
set -eu
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
cache=${AMPRA_PACKAGE_CACHE:-$build/package-check-cache}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/ampra_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/ampra ./usr/share/applications/com.vantrel.Ampra.desktop \
    ./usr/share/icons/hicolor/scalable/apps/com.vantrel.Ampra.svg \
    ./usr/share/doc/ampra/copyright ./usr/share/doc/ampra/changelog.gz \
    ./usr/share/man/man1/ampra.1.gz ./usr/share/ampra/Acknowledgements.txt \
    ./usr/share/metainfo/com.vantrel.ampra.metainfo.xml \
    ./usr/share/dbus-1/services/com.vantrel.Ampra.service; do
    echo "$contents" | grep -q " $path\$" || { echo "missing: $path"; exit 1; }
done
lintian --fail-on error,warning "$deb"

# The unshared user in mmdebstrap's rootless mode reads the package and the fixture too.
chmod a+rx "$out"
chmod a+r "$deb"
mkdir -p "$cache"
fixture=charge-discharging
# A package from a sanitized build would end each run with a report of Qt's leaks. The hooks'
# "$1", the root, is mmdebstrap's to expand.
# shellcheck disable=SC2016
run='chroot "$1" env -i PATH=/usr/bin:/bin HOME=/tmp LANGUAGE=en ASAN_OPTIONS=detect_leaks=0'
# Nothing survives the run: dpkg need not wait for each file to reach the disk.
# shellcheck disable=SC2016
mmdebstrap --quiet --variant=apt --skip=essential/unlink --dpkgopt=force-unsafe-io \
    --setup-hook='mkdir -p "$1"/var/cache/apt/archives' \
    --setup-hook="sync-in '$cache' /var/cache/apt/archives/" \
    --customize-hook="copy-in '$deb' '$source/tests/fixtures/sysfs/$fixture' /tmp" \
    --customize-hook="chroot \"\$1\" apt-get install --yes --quiet --no-install-recommends \
        /tmp/$(basename "$deb") >/dev/null" \
    --customize-hook="sync-out /var/cache/apt/archives '$cache'" \
    --customize-hook="$run ampra --version | grep -x 'Ampra [0-9.]*'" \
    --customize-hook="$run AMPRA_SYSFS_ROOT=/tmp/$fixture ampra --print-battery \
        | sed 's/<BatteryData: 0x[0-9a-f]*>/<BatteryData: 0x0>/' \
        | diff -u '$source/tests/fixtures/print-battery/$fixture.txt' -" \
    --customize-hook="$run QT_QPA_PLATFORM=offscreen ampra --check-resources" \
    bookworm /dev/null \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
