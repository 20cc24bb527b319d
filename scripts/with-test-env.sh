#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with private XDG folders and private session and system buses, then stops
# every helper it started, pass or fail.
set -euo pipefail

config_template="$(cd "$(dirname "$0")/.." && pwd)/tests/support/private-bus.conf"
root=$(mktemp -d /tmp/ampra-test.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$root"
}
trap cleanup EXIT

for name in config data cache state runtime; do mkdir -p "$root/$name"; done
chmod 700 "$root/runtime"
export HOME="$root" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data"
export XDG_CACHE_HOME="$root/cache" XDG_STATE_HOME="$root/state" XDG_RUNTIME_DIR="$root/runtime"
export QT_QPA_PLATFORM=offscreen
# Debian's python carries dbusmock; another python3 may come first on PATH.
export PATH="/usr/bin:$PATH"
unset DISPLAY WAYLAND_DISPLAY

start_bus() {
    local type=$1
    sed -e "s|@TYPE@|$type|" -e "s|@FOLDER@|$root|" "$config_template" \
        >"$root/$type.conf"
    dbus-daemon --config-file="$root/$type.conf" --nofork --print-address=3 \
        3>"$root/$type.address" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$root/$type.address" ] && break; sleep 0.05; done
    [ -s "$root/$type.address" ] || { echo "no private $type bus" >&2; exit 1; }
}
start_bus session
start_bus system
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$root/session.address")
DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$root/system.address")
export DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS

"$@"
