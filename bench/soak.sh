#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A week of running, simulated: the real application on private buses with a mock panel watcher
# and logind, on a battery whose charge goes through discharge and charge cycles, its clock sped up
# by libfaketime. Every simulated night the laptop sleeps for six hours; every simulated hour the
# popover opens and closes, and the application's resident memory, open file descriptors and
# threads are sampled. Prints them as a table, draws them with gnuplot, and fails when, after the
# first day (the first six hours with --quick), memory grows by more than 1 MB or descriptors or
# threads grow at all.
# Usage: bench/soak.sh [--quick] [--speed N] [--output FOLDER]
# Run by hand on a Release build (build-release, or AMPRA_BUILD), not in CI.
set -euo pipefail
cd "$(dirname "$0")/.."
days=7
speed=600
output=soak
while [ $# -gt 0 ]; do
    case $1 in
    --quick) days=1 ;;
    --speed) speed=$2; shift ;;
    --output) output=$2; shift ;;
    *) echo "usage: $0 [--quick] [--speed N] [--output FOLDER]" >&2; exit 2 ;;
    esac
    shift
done
build=${AMPRA_BUILD:-build-release}
app=$build/src/app/ampra
faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1
[ -x "$app" ] || { echo "build first: cmake --build --preset release --target ampra" >&2; exit 1; }
[ -e "$faketime" ] || { echo "libfaketime is missing: scripts/install-deps.sh" >&2; exit 1; }
command -v gnuplot >/dev/null || { echo "gnuplot is missing: scripts/install-deps.sh" >&2; exit 1; }
mkdir -p "$output"
output=$(cd "$output" && pwd)

exec ./scripts/with-test-env.sh bash -c '
set -euo pipefail
app=$1 faketime=$2 days=$3 speed=$4 output=$5
pids=()
trap "kill \${pids[*]} 2>/dev/null || true; wait 2>/dev/null || true" EXIT
/usr/bin/python3 -m dbusmock --session -t tests/fixtures/dbusmock/status_notifier_watcher.py \
    >/dev/null 2>&1 &
pids+=($!)
/usr/bin/python3 -m dbusmock --system -t logind >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 200); do
    names=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.ListNames)$(dbus-send --system --print-reply \
        --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames)
    [[ $names == *StatusNotifierWatcher*login1* ]] && break
    sleep 0.05
done

# The battery: 4400 mAh by design, discharging over eight simulated hours from 100 % to 20 %,
# then charging over two; the charge is written at every step of the loop below.
sysfs=$HOME/sysfs
cp -r tests/fixtures/sysfs/charge-discharging "$sysfs"
battery() {
    local minute=$1 cycle=$(( $1 % 600 )) charge online status
    if [ $cycle -lt 480 ]; then
        charge=$(( 100 - cycle / 6 )) online=0 status=Discharging
    else
        charge=$(( 20 + (cycle - 480) * 2 / 3 )) online=1 status=Charging
        [ $charge -ge 100 ] && charge=100 status=Full
    fi
    sed -e "s/^POWER_SUPPLY_STATUS=.*/POWER_SUPPLY_STATUS=$status/" \
        -e "s/^POWER_SUPPLY_CAPACITY=.*/POWER_SUPPLY_CAPACITY=$charge/" \
        -e "s/^POWER_SUPPLY_CHARGE_NOW=.*/POWER_SUPPLY_CHARGE_NOW=$(( 37400 * charge ))/" \
        tests/fixtures/sysfs/charge-discharging/BAT0/uevent >"$sysfs/BAT0/uevent.new"
    mv "$sysfs/BAT0/uevent.new" "$sysfs/BAT0/uevent"
    sed "s/^POWER_SUPPLY_ONLINE=.*/POWER_SUPPLY_ONLINE=$online/" \
        tests/fixtures/sysfs/charge-discharging/AC/uevent >"$sysfs/AC/uevent.new"
    mv "$sysfs/AC/uevent.new" "$sysfs/AC/uevent"
}
battery 0

start=$(date +%s%N)
LD_PRELOAD=$faketime FAKETIME="+0 x$speed" AMPRA_SYSFS_ROOT=$sysfs "$app" >"$output/ampra.log" 2>&1 &
ampra=$!
pids+=($ampra)
item=
for _ in $(seq 200); do
    item=$(dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher \
        /StatusNotifierWatcher org.freedesktop.DBus.Mock.GetMethodCalls \
        string:RegisterStatusNotifierItem 2>/dev/null |
        grep -o "[^\" ]*StatusNotifierItem-[^\"]*" | head -1 || true)
    [ -n "$item" ] && break
    sleep 0.05
done
[ -n "$item" ] || { echo "the tray item was not registered" >&2; exit 1; }

# Simulated minutes since the start.
minute() { echo $(( ($(date +%s%N) - start) * speed / 60000000000 )); }
click() {
    dbus-send --session --print-reply --dest="$item" /StatusNotifierItem \
        org.kde.StatusNotifierItem.Activate int32:600 int32:0 >/dev/null
}
sleeping() {
    /usr/bin/python3 -c "import dbus, sys
dbus.SystemBus().get_object(\"org.freedesktop.login1\", \"/org/freedesktop/login1\").EmitSignal(
    \"org.freedesktop.login1.Manager\", \"PrepareForSleep\", \"b\", [sys.argv[1] == \"true\"],
    dbus_interface=\"org.freedesktop.DBus.Mock\")" "$1"
}
alive() { kill -0 $ampra 2>/dev/null || { echo "Ampra ended at minute $(minute)" >&2; exit 1; }; }

table=$output/soak.tsv
printf "hour\tresident_kb\tdescriptors\tthreads\n" >"$table"
printf "%6s %12s %12s %8s\n" hour "memory (kB)" descriptors threads
hour=0 asleep=0
while [ $hour -le $(( days * 24 )) ]; do
    now=$(minute)
    alive
    battery "$now"
    # A night: asleep from 01:00 to 07:00.
    night=$(( now % 1440 ))
    if [ $asleep = 0 ] && [ $night -ge 60 ] && [ $night -lt 420 ]; then
        sleeping true; asleep=1
    elif [ $asleep = 1 ] && [ $night -ge 420 ]; then
        sleeping false; asleep=0
    fi
    if [ $now -ge $(( hour * 60 )) ]; then
        # Opened and closed while awake, then sampled once the events have settled.
        if [ $asleep = 0 ]; then click; sleep 0.3; click; fi
        sleep 0.2
        alive
        rss=$(awk "/^VmRSS/ {print \$2}" /proc/$ampra/status)
        fds=$(ls /proc/$ampra/fd | wc -l)
        threads=$(awk "/^Threads/ {print \$2}" /proc/$ampra/status)
        printf "%d\t%d\t%d\t%d\n" $hour "$rss" "$fds" "$threads" >>"$table"
        printf "%6d %12d %12d %8d\n" $hour "$rss" "$fds" "$threads"
        hour=$(( hour + 1 ))
    fi
    sleep 0.1
done
kill -TERM $ampra
wait $ampra || { echo "Ampra did not quit cleanly" >&2; exit 1; }

top=$(awk -F "\t" "NR > 1 && \$3 > m { m = \$3 } END { print int(m * 1.3) + 1 }" "$table")
gnuplot <<EOF
set terminal pngcairo size 900,560 font "DejaVu Sans,10"
set output "$output/soak.png"
set multiplot layout 2,1
set grid
set xrange [0:*]
set key bottom right
set ylabel "resident memory (MB)"
set yrange [0:*]
plot "$table" using 1:(\$2/1024) skip 1 with lines lw 2 title "resident memory"
set xlabel "simulated hour"
set ylabel "count"
set yrange [0:$top]
plot "$table" using 1:3 skip 1 with steps lw 2 title "file descriptors", \
     "" using 1:4 skip 1 with steps lw 2 title "threads"
unset multiplot
EOF
echo "table: $table, plot: $output/soak.png"

# Growth after the settling time, from an hour awake.
base=$(( days > 1 ? 24 : 8 ))
awk -v base=$base -F "\t" "
NR > 1 && \$1 == base { rss = \$2; fds = \$3; threads = \$4 }
NR > 1 && \$1 > base {
    if (\$2 - rss > maxrss) maxrss = \$2 - rss
    if (\$3 > fds || \$4 > threads) grew = grew \" hour \" \$1
}
END {
    printf \"after hour %d: memory grew at most %d kB\", base, maxrss
    if (grew != \"\") printf \"; descriptors or threads grew at%s\", grew
    print \"\"
    exit (maxrss > 1024 || grew != \"\")
}" "$table"
' _ "$PWD/$app" "$faketime" "$days" "$speed" "$output"
