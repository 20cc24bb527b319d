#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the running application: time from start to its tray item being registered, CPU used
# to open the popover and while idle (from the kernel's nanosecond counters), and resident memory
# before and after the popover, anonymous and mapped from files. Measures an ordinary start, not
# the first one, which shows the tutorial window.
# Runs offscreen with private buses and a mock tray watcher, on a fixture battery.
# Usage: bench/measure-app.sh [idle seconds, default 60]; a Release build (build-release, or
# AMPRA_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
idle=${1:-60}
build=${AMPRA_BUILD:-build-release}
[ -x "$build/src/app/ampra" ] || { echo "build first: cmake --build --preset release --target ampra" >&2; exit 1; }

exec ./scripts/with-test-env.sh bash -c '
set -euo pipefail
idle=$1 build=$2
/usr/bin/python3 -m dbusmock --session -t tests/fixtures/dbusmock/status_notifier_watcher.py \
    >/dev/null 2>&1 &
watcher=$!
trap "kill \$watcher \${ampra:-} \${MONITOR_PID:-} 2>/dev/null || true; wait 2>/dev/null || true" EXIT
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames | grep -q StatusNotifierWatcher && break
    sleep 0.02
done

# The first start: Ampra shows its tutorial and remembers, when it quits, that it was started.
export AMPRA_SYSFS_ROOT=$PWD/tests/fixtures/sysfs/charge-discharging
"$build/src/app/ampra" >/dev/null &
ampra=$!
calls() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Mock.GetMethodCalls string:RegisterStatusNotifierItem
}
for _ in $(seq 500); do
    calls | grep -q StatusNotifierItem- && break
    sleep 0.02
done
kill -TERM $ampra
wait $ampra
dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Mock.ClearCalls >/dev/null

# The registration call to the watcher, seen by a bus monitor as it passes: no polling that would
# compete with the start for the CPU. dbus-monitor stamps each message as it receives it.
coproc MONITOR { exec dbus-monitor --session \
    "type=method_call,interface=org.kde.StatusNotifierWatcher,member=RegisterStatusNotifierItem" \
    2>/dev/null; }
sleep 0.5 # until the monitor listens
start=$(date +%s%N)
"$build/src/app/ampra" >/dev/null &
ampra=$!
stamp=
while read -r -t 30 line <&"${MONITOR[0]}"; do
    case $line in
    *member=RegisterStatusNotifierItem*)
        stamp=${line#*time=}
        stamp=${stamp%% *}
        break
        ;;
    esac
done
[ -n "$stamp" ] || { echo "the tray item was not registered" >&2; exit 1; }
kill "$MONITOR_PID" 2>/dev/null || true
registered=$(( ${stamp%.*} * 1000000000 + 10#${stamp#*.} * 1000 ))
elapsed=$(( (registered - start) / 100000 ))
echo "start to tray item: $(( elapsed / 10 )).$(( elapsed % 10 )) ms"

sleep 5
# Nanoseconds on the CPU, summed over the threads (the first field of each schedstat).
cpu() { cat /proc/$ampra/task/*/schedstat | awk "{ sum += \$1 } END { printf \"%d\", sum }"; }
item=$(calls | grep -o "[^\" ]*StatusNotifierItem-[^\"]*" | head -1)
# A click as the panel reports it; the popover opens on one and closes on the next.
activate() {
    dbus-send --session --print-reply --dest="$item" /StatusNotifierItem \
        org.kde.StatusNotifierItem.Activate int32:600 int32:0 >/dev/null
    sleep 0.3
}
opening() {
    local before after
    before=$(cpu)
    activate
    after=$(cpu)
    activate
    echo $(( (after - before) / 1000 ))
}
# All resident pages, then those only this process holds (anonymous) and those of files it maps,
# which other programs share and the kernel can drop at will.
resident() {
    awk "/VmRSS|RssAnon|RssFile/ { mb[\$1] = \$2 / 1024 } END {
        printf \"%.1f MB (anonymous %.1f, files %.1f)\", mb[\"VmRSS:\"], mb[\"RssAnon:\"], mb[\"RssFile:\"]
    }" /proc/$ampra/status
}
first=$(resident)
echo "popover opening: first $(opening) µs CPU, then $(opening), $(opening), $(opening) µs"
sleep 2
before=$(cpu)
sleep "$idle"
after=$(cpu)
echo "idle CPU: $(( (after - before) * 60 / idle / 1000 )) µs per minute (over ${idle} s)"
echo "resident memory before the popover first opened: $first"
echo "resident memory after it opened and closed: $(resident)"
kill -TERM $ampra
wait $ampra
' _ "$idle" "$build"
