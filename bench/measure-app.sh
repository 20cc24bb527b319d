#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the running application: time from start to its tray item being registered, CPU used
# while idle, and resident memory. Runs offscreen with private buses and a mock tray watcher, on
# a fixture battery. Usage: bench/measure-app.sh [idle seconds, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
idle=${1:-60}
[ -x build/src/app/ampra ] || { echo "build first: cmake --build build" >&2; exit 1; }

exec ./scripts/with-test-env.sh bash -c '
set -euo pipefail
idle=$1
/usr/bin/python3 -m dbusmock --session -t tests/fixtures/dbusmock/status_notifier_watcher.py \
    >/dev/null 2>&1 &
watcher=$!
trap "kill \$watcher \${ampra:-} 2>/dev/null || true; wait 2>/dev/null || true" EXIT
calls() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Mock.GetMethodCalls string:RegisterStatusNotifierItem 2>/dev/null |
        grep -c "StatusNotifierItem-" || true
}
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames | grep -q StatusNotifierWatcher && break
    sleep 0.02
done

start=$(date +%s%N)
AMPRA_SYSFS_ROOT=$PWD/tests/fixtures/sysfs/charge-discharging build/src/app/ampra >/dev/null &
ampra=$!
until [ "$(calls)" -ge 1 ]; do sleep 0.005; done
registered=$(date +%s%N)
echo "start to tray item: $(( (registered - start) / 1000000 )) ms"

sleep 5
ticks() { awk "{print \$14 + \$15}" /proc/$ampra/stat; }
before=$(ticks)
sleep "$idle"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "idle CPU: $(( (after - before) * 1000 / hz * 60 / idle )) ms per minute (over ${idle} s)"
echo "resident memory: $(awk "/VmRSS/ {print \$2 / 1024 \" MB\"}" /proc/$ampra/status)"
kill -TERM $ampra
wait $ampra
' _ "$idle"
