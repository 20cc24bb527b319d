#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ampra in a real panel: Debian's xfce4-panel with its Status Tray, under xfwm4 on a virtual X
# display, with a session bus of its own. The panel must take Ampra's item and read its icon and
# menu; Quit, clicked as the panel's menu client sends it, must end Ampra in order.
# Usage: xfce-panel-test.sh AMPRA FIXTURES [SCREENSHOT]; exits 77 (skipped) where the panel
# cannot start.
set -euo pipefail
ampra=$1
fixtures=$2
screenshot=${3:-}

skip() {
    echo "SKIPPED: $*"
    exit 77
}
for tool in xfce4-panel xfwm4 Xvfb gdbus dbus-monitor dbus-daemon; do
    command -v $tool >/dev/null || skip "$tool is missing (scripts/install-deps.sh installs it)"
done

root=$(mktemp -d /tmp/ampra-xfce.XXXXXX)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$root"
}
trap cleanup EXIT

# Within a time, or fail with a message.
wait_for() {
    local what=$1 seconds=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "FAILED: $what" >&2
    for log in "$root"/{ampra,panel}.log; do echo "--- $log" >&2 && tail -n 20 "$log" >&2; done
    exit 1
}

for name in config data cache state runtime; do mkdir -p "$root/$name"; done
chmod 700 "$root/runtime"
export HOME=$root XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_CACHE_HOME=$root/cache
export XDG_STATE_HOME=$root/state XDG_RUNTIME_DIR=$root/runtime
unset WAYLAND_DISPLAY XDG_CURRENT_DESKTOP

# A top panel holding the Status Tray and a clock.
channel=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
mkdir -p "$channel"
cat >"$channel/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="28"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
    <property name="plugin-2" type="string" value="clock"/>
  </property>
</channel>
EOF

# The bus starts xfconfd, which keeps the panel's settings, from the standard service folders.
cat >"$root/session.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=$root</listen>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
dbus-daemon --config-file="$root/session.conf" --nofork --print-address=3 3>"$root/address" \
    >"$root/bus.log" 2>&1 &
pids+=($!)
wait_for "the session bus starts" 5 test -s "$root/address"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$root/address")
export DBUS_SESSION_BUS_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$root/display" >"$root/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.1; done
[ -s "$root/display" ] || skip "no virtual X display: $(tail -n 3 "$root/xvfb.log")"
export DISPLAY=:$(head -n1 "$root/display")

bus() { gdbus call --session "$@"; }
owned() { bus --dest org.freedesktop.DBus --object-path / \
    --method org.freedesktop.DBus.NameHasOwner "$1" | grep -q true; }

xfwm4 --compositor=off >"$root/xfwm4.log" 2>&1 &
pids+=($!)
xfce4-panel >"$root/panel.log" 2>&1 &
panel=$!
pids+=($panel)
for _ in $(seq 300); do
    owned org.kde.StatusNotifierWatcher && break
    kill -0 $panel 2>/dev/null || skip "xfce4-panel does not start: $(tail -n 3 "$root/panel.log")"
    sleep 0.1
done
wait_for "the panel's Status Tray takes items" 1 owned org.kde.StatusNotifierWatcher

# What the panel asks Ampra's item.
dbus-monitor --session "type='method_call',interface='org.freedesktop.DBus.Properties'" \
    "type='method_call',interface='com.canonical.dbusmenu'" >"$root/calls.log" 2>&1 &
pids+=($!)
wait_for "the bus monitor starts" 5 grep -q "NameAcquired\|member=" "$root/calls.log"

settings=$XDG_CONFIG_HOME/com.vantrel.Ampra/settings.json
QT_QPA_PLATFORM=xcb AMPRA_SYSFS_ROOT=$fixtures/sysfs/charge-discharging AMPRA_APPCAST_URL= \
    "$ampra" >"$root/ampra.log" 2>&1 &
ampra_pid=$!
pids+=($ampra_pid)

items() { bus --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems; }
wait_for "the panel registers Ampra's item" 30 eval 'items | grep -q StatusNotifierItem-$ampra_pid'
service=org.kde.StatusNotifierItem-$ampra_pid-1
wait_for "the panel reads the item's properties" 30 \
    grep -q "path=/StatusNotifierItem; interface=org.freedesktop.DBus.Properties" "$root/calls.log"
wait_for "the panel reads the item's menu" 30 \
    grep -q "path=/StatusNotifierMenu; interface=com.canonical.dbusmenu; member=GetLayout" \
    "$root/calls.log"
[ -z "$screenshot" ] || { sleep 2 && import -window root "$screenshot"; }

# libdbusmenu-gtk clicks a menu item with EventGroup.
layout=$(bus --dest "$service" --object-path /StatusNotifierMenu \
    --method com.canonical.dbusmenu.GetLayout 0 'int32 -1' '@as []')
quit=$(grep -o "([0-9]*, {'label': <'Quit'>" <<<"$layout" | grep -o "[0-9]*")
[ -n "$quit" ] || { echo "FAILED: no Quit in the menu: $layout" >&2 && exit 1; }
bus --dest "$service" --object-path /StatusNotifierMenu \
    --method com.canonical.dbusmenu.EventGroup "[($quit, 'clicked', <int32 0>, uint32 0)]"

# Gone, or a zombie until it is waited for.
ended() { case "$(ps -o stat= -p "$1")" in "" | Z*) return 0 ;; *) return 1 ;; esac; }
wait_for "Quit ends Ampra" 30 ended $ampra_pid
wait $ampra_pid || { echo "FAILED: Ampra ended with $?" >&2 && exit 1; }
# Only an orderly quit records that the first launch is over.
grep -A2 '"isFirstLaunch"' "$settings" | grep -q false ||
    { echo "FAILED: Ampra did not quit in order: $(cat "$settings")" >&2 && exit 1; }
echo "Ampra's item showed in xfce4-panel and its menu's Quit ended it"
