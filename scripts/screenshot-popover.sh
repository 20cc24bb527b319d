#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the popover from a tray on a virtual X display, the way a user does, and saves a picture
# of the top right corner of the screen. Needs Xvfb, trayer, xdotool and ImageMagick.
# Usage: scripts/screenshot-popover.sh [picture, default docs/images/popover-x11.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/images/popover-x11.png}")
[ -x build/src/app/ampra ] || { echo "build first: cmake --build build" >&2; exit 1; }
display=90
while [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done

exec ./scripts/with-test-env.sh bash -c '
set -euo pipefail
display=$1 out=$2
Xvfb :$display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap "kill \${ampra:-} \${tray:-} \$xvfb 2>/dev/null || true; wait 2>/dev/null || true" EXIT
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.05; done
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
# A dark panel along the top with an XEmbed tray on its right.
trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    --transparent true --alpha 0 --tint 0x2e3436 >/dev/null 2>&1 &
tray=$!
sleep 1
AMPRA_SYSFS_ROOT=$PWD/tests/fixtures/sysfs/charge-discharging build/src/app/ampra >"${AMPRA_LOG:-/dev/null}" 2>&1 &
ampra=$!
sleep 3
# The item is the only window of Ampra shown so far.
eval "$(xdotool search --onlyvisible --class ampra getwindowgeometry --shell | head -5)"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
sleep 1
import -window root -crop 600x240+680+0 +repage "$out"
echo "saved $out"
' _ "$display" "$out"
