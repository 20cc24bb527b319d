#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows the status item in an XEmbed tray on a virtual X display, on a light and on a dark panel,
# for a few batteries, and saves a picture of each for people to look at. Needs xvfb-run, trayer,
# xdotool and ImageMagick.
# Usage: scripts/screenshot-status-items.sh [folder, default build/status-items]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/status-items}")
[ -x build/src/app/ampra ] || { echo "build first: cmake --build build" >&2; exit 1; }
mkdir -p "$out"

exec ./scripts/with-test-env.sh xvfb-run -a -s "-screen 0 640x200x24" bash -c '
set -euo pipefail
export QT_QPA_PLATFORM=xcb
settings=$XDG_CONFIG_HOME/com.vantrel.Ampra/settings.json
mkdir -p "$(dirname "$settings")"
for appearance in light dark; do
    [ $appearance = light ] && tint=0xececec || tint=0x282828
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        --transparent true --alpha 0 --tint $tint >/dev/null 2>&1 &
    tray=$!
    sleep 1
    for battery in charge-discharging energy-charging full-on-mains charge-limit-80; do
        # Not a first launch: the tutorial would open beside the item.
        echo "{\"format\": 1, \"values\": {\"PanelAppearance\": \"$appearance\"," \
            "\"isFirstLaunch\": false}}" >"$settings"
        AMPRA_SYSFS_ROOT=$PWD/tests/fixtures/sysfs/$battery build/src/app/ampra >/dev/null 2>&1 &
        ampra=$!
        sleep 3
        eval "$(xdotool search --onlyvisible --class ampra getwindowgeometry --shell | head -5)"
        import -window root -crop "$((WIDTH + 8))x24+$((X - 4))+0" +repage \
            "$1/$battery-$appearance.png"
        kill $ampra
        wait $ampra || true
    done
    kill $tray
    wait $tray || true
done
echo "saved in $1"
' _ "$out"
