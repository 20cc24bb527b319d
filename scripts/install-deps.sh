#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every build, test and run dependency from Debian packages; quiet and quick when all are present.
set -eu
packages="build-essential cmake ninja-build pkg-config clang-format clang-tidy clang-14 libclang-rt-14-dev
qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite libqt6svg6
liblog4cplus-dev libplist-dev libudev-dev libgtest-dev libgmock-dev libbenchmark-dev
dbus python3-dbusmock python3-gi umockdev libumockdev-dev gir1.2-umockdev-1.0 xvfb xauth sqlite3 fonts-dejavu-core
desktop-file-utils libxml2-utils appstream help2man lintian mmdebstrap uidmap trayer xdotool imagemagick python3-pyatspi
xfce4-panel xfwm4 sway waybar grim qt6-wayland faketime gnuplot-nox"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
