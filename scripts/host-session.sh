# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2154
# Sourced by the host checks, from the source tree: checks the build and the user, gives private
# XDG folders under $root and, on exit, stops every helper in $pids and removes $root.
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
