#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Ampra on a native Wayland session, sway headless with waybar's tray, clicks the item the way
# waybar does (StatusNotifierItem.Activate) and checks that the summary opens as a floating window
# titled "Ampra" and that a second click closes it; saves a picture of the open window. Run by
# hand, as an ordinary user (sway refuses root). Needs sway, waybar, grim and qt6-wayland.
# Usage: scripts/wayland-check.sh [build folder, default build] [picture, default none]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
picture=$(realpath -m "${2:-/dev/null}")
. scripts/host-session.sh
unset DISPLAY WAYLAND_DISPLAY

start_bus session

mkdir -p "$root/config/sway" "$root/config/waybar"
printf 'output HEADLESS-1 resolution 1280x800\nbar {\n  swaybar_command waybar\n}\n' \
    >"$root/config/sway/config"
echo '{"position": "top", "height": 26, "modules-right": ["tray", "clock"]}' \
    >"$root/config/waybar/config"
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$root/config/sway/config" >"$root/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do compgen -G "$root/runtime/sway-ipc.*" >/dev/null && break; sleep 0.1; done
SWAYSOCK=$(compgen -G "$root/runtime/sway-ipc.*")
WAYLAND_DISPLAY=$(basename "$(compgen -G "$root/runtime/wayland-?" | head -n1)")
export SWAYSOCK WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
export AMPRA_SYSFS_ROOT=$PWD/tests/fixtures/sysfs/charge-discharging
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

# The first start shows the tutorial; its orderly quit ends the first launch.
"$build/src/app/ampra" >/dev/null 2>&1 &
first=$!
sleep 5
kill "$first"
wait "$first" || true
"$build/src/app/ampra" >"$root/ampra.log" 2>&1 &
pids+=($!)

item=""
for _ in $(seq 100); do
    item=$(gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
        RegisteredStatusNotifierItems 2>/dev/null |
        grep -o "org.kde.StatusNotifierItem-[0-9-]*" | head -n1) || true
    [ -n "$item" ] && break
    sleep 0.2
done
[ -n "$item" ] || { echo "FAIL: no item in waybar's tray" >&2; exit 1; }
click() {
    gdbus call --session -d "$item" -o /StatusNotifierItem \
        -m org.kde.StatusNotifierItem.Activate 10 10 >/dev/null
    sleep 2
}
windows() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("type") == "floating_con" and node.get("app_id") == "com.vantrel.Ampra":
        print(node["name"], node["rect"]["width"], node["rect"]["height"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}

click
open=$(windows)
echo "open: ${open:-nothing}"
[ "${open%% *}" = "Ampra" ] || { echo "FAIL: no floating window titled Ampra" >&2; exit 1; }
grim "$picture"
click
closed=$(windows)
[ -z "$closed" ] || { echo "FAIL: the second click left it open: $closed" >&2; exit 1; }
echo "PASS: the click opens the summary as a window titled Ampra, a second click closes it"
