# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2154
# Sourced by the host checks, from the source tree: checks the build and the user, gives private
# XDG folders under $root, starts private buses on request (start_bus) and, on exit, stops every
# helper in $pids and removes $root.
[ -x "$build/src/app/ampra" ] || { echo "build first: cmake --build $build" >&2; exit 1; }
[ "$(id -u)" -ne 0 ] || { echo "run as an ordinary user: compositors refuse root" >&2; exit 1; }

root=$(mktemp -d /tmp/ampra-host.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
for name in config data cache runtime; do mkdir -p "$root/$name"; done
chmod 700 "$root/runtime"
export HOME="$root" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data"
export XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime"

# Starts a private bus, session or system, and exports its address.
start_bus() {
    sed -e "s|@TYPE@|$1|" -e "s|@FOLDER@|$root|" tests/support/private-bus.conf >"$root/$1.conf"
    dbus-daemon --config-file="$root/$1.conf" --nofork --print-address=3 \
        3>"$root/$1.address" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$root/$1.address" ] && break; sleep 0.05; done
    export "DBUS_${1^^}_BUS_ADDRESS=$(head -n1 "$root/$1.address")"
}
