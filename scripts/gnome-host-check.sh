#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Ampra under GNOME Shell 43 headless with the AppIndicator extension, on private buses (a
# stand-in system bus with logind), once under Xwayland and once on native Wayland. It uses the
# item as a user does, through the shell's own D-Bus interfaces (pictures from
# org.gnome.Shell.Screenshot, pointer and keys from org.gnome.Mutter.RemoteDesktop), and checks
# that the item shows in the top bar, that the menu's Open Ampra shows the summary (under the
# icon under Xwayland), that a click elsewhere closes it (on the desktop, the top bar or another
# window) and that Quit quits; where mutter tells the client nothing it prints a note. Run by
# hand, as an ordinary user. Needs gnome-shell, gnome-shell-extension-appindicator, xwayland,
# qt6-wayland, python3-dbusmock, gir1.2-gdkpixbuf-2.0 and gir1.2-gtk-3.0.
# Usage: scripts/gnome-host-check.sh [build folder, default build] [picture folder, default none]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pictures=${2:+$(realpath -m "$2")}
. scripts/host-session.sh
export PATH="/usr/bin:$PATH" XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY

start_bus session
start_bus system
python3 -m dbusmock --system --template logind >/dev/null 2>&1 &
pids+=($!)

# The extension on, no welcome tour over the desktop, and no overview when the pointer, moved
# relatively, passes the top left corner.
mkdir -p "$root/config/glib-2.0/settings"
cat >"$root/config/glib-2.0/settings/keyfile" <<'EOF'
[org/gnome/shell]
enabled-extensions=['ubuntu-appindicators@ubuntu.com']
welcome-dialog-last-shown-version='999'
[org/gnome/desktop/interface]
enable-hot-corners=false
EOF
export GSETTINGS_BACKEND=keyfile
gnome-shell --headless --virtual-monitor 1280x800 >"$root/shell.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    grep -q "public X11 display" "$root/shell.log" && compgen -G "$root/runtime/wayland-?" \
        >/dev/null && break
    sleep 0.1
done
DISPLAY=$(grep -o "public X11 display [^,]*" "$root/shell.log" | head -n1 | awk '{print $4}')
XAUTHORITY=$(compgen -G "$root/runtime/.mutter-Xwaylandauth.*" | head -n1 || true)
WAYLAND_DISPLAY=$(basename "$(compgen -G "$root/runtime/wayland-?" | head -n1)")
[ -n "$DISPLAY" ] || { cat "$root/shell.log" >&2; echo "FAIL: no Xwayland" >&2; exit 1; }
export DISPLAY XAUTHORITY WAYLAND_DISPLAY
export AMPRA_SYSFS_ROOT=$PWD/tests/fixtures/sysfs/charge-discharging
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

# The first start shows the tutorial; its orderly quit ends the first launch.
QT_QPA_PLATFORM=xcb "$build/src/app/ampra" >/dev/null 2>&1 &
first=$!
sleep 5
kill "$first"
wait "$first" || true

python3 - "$build/src/app/ampra" "$root" "${pictures:-}" <<'EOF'
import os, subprocess, sys, time
import gi
gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf, Gio, GLib

ampra, root, pictures = sys.argv[1:4]
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
BAR = 40  # below GNOME's top bar
failures = []


def call(name, path, interface, method, signature=None, args=None):
    body = GLib.Variant(signature, args) if signature else None
    return bus.call_sync(name, path, interface, method, body, None, 0, 20000, None).unpack()


# GNOME 43 takes pictures for the screenshot tool only: the check takes its name.
call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
     "(su)", ("org.gnome.Screenshot", 4))
session = call("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
               "org.gnome.Mutter.RemoteDesktop", "CreateSession")[0]


def send(method, signature, args):
    call("org.gnome.Mutter.RemoteDesktop", session, "org.gnome.Mutter.RemoteDesktop.Session",
         method, signature, args)


send("Start", None, None)


def key(keysym):
    for pressed in (True, False):
        send("NotifyKeyboardKeysym", "(ub)", (keysym, pressed))
    time.sleep(1.5)


def click(x, y):
    # Without a screen cast stream only relative motion exists: from the bottom left corner.
    send("NotifyPointerMotionRelative", "(dd)", (-5000.0, 5000.0))
    send("NotifyPointerMotionRelative", "(dd)", (float(x), float(y - height + 1)))
    for pressed in (True, False):
        send("NotifyPointerButton", "(ib)", (0x110, pressed))
    time.sleep(2)


def shot(name):
    path = os.path.join(root, name + ".png")
    call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
         "org.gnome.Shell.Screenshot", "Screenshot", "(bbs)", (False, False, path))
    if pictures:
        os.makedirs(pictures, exist_ok=True)
        GLib.file_set_contents(os.path.join(pictures, name + ".png"),
                               GLib.file_get_contents(path)[1])
    return GdkPixbuf.Pixbuf.new_from_file(path)


def changed(before, after, top, bottom, left=0):
    """The box (left, top, right, bottom) of the pixels that differ below top and right of left."""
    stride, channels = before.get_rowstride(), before.get_n_channels()
    a, b = before.get_pixels(), after.get_pixels()
    box = None
    for y in range(top, bottom):
        row_a, row_b = a[y * stride:y * stride + before.get_width() * channels], \
            b[y * stride:y * stride + before.get_width() * channels]
        if row_a == row_b:
            continue
        xs = [i // channels for i in range(left * channels, len(row_a))
              if abs(row_a[i] - row_b[i]) > 8]
        if not xs:
            continue
        box = (min(xs), y, max(xs), y) if box is None else \
            (min(box[0], min(xs)), box[1], max(box[2], max(xs)), y)
    return box


def pixels(picture, box):
    stride, channels = picture.get_rowstride(), picture.get_n_channels()
    data = picture.get_pixels()
    return b"".join(data[y * stride + box[0] * channels:y * stride + (box[2] + 1) * channels]
                    for y in range(box[1], box[3] + 1))


def check(ok, what):
    print(("PASS: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


# Another application's plain window, which looks the same with the focus as without.
OTHER = """
import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
window = Gtk.Window(title="other")
window.set_decorated(False)
window.set_default_size(400, 300)
window.show_all()
Gtk.main()
"""


def items():
    try:
        return call("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                    "org.freedesktop.DBus.Properties", "Get", "(ss)",
                    ("org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"))[0]
    except GLib.Error:
        return []


key(0xff1b)  # the headless shell starts in the overview
height = shot("desktop").get_height()
icons = {}
time.sleep(8)  # the shell's notice about the screen lock goes
for platform in ("xcb", "wayland"):
    for _ in range(50):
        if not items():
            break
        time.sleep(0.2)
    bare = shot(platform + "-bare")
    # Under Xwayland Ampra starts without XDG_CURRENT_DESKTOP: the shell's name on the bus has to
    # tell that the top bar is dark.
    env = dict(os.environ, QT_QPA_PLATFORM=platform)
    if platform == "xcb":
        del env["XDG_CURRENT_DESKTOP"]
    app = subprocess.Popen([ampra], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if items():
            break
        time.sleep(0.2)
    time.sleep(3)
    idle = shot(platform + "-item")
    icon = changed(bare, idle, 0, BAR, bare.get_width() * 3 // 5)  # right of the clock
    if not check(bool(items()) and icon is not None,
                 f"{platform}: the item shows in the top bar at {icon}"):
        app.kill()
        continue
    icon_x, icon_y = (icon[0] + icon[2]) // 2, (icon[1] + icon[3]) // 2
    icons[platform] = pixels(idle, icon)
    if len(icons) == 2:
        check(icons["xcb"] == icons["wayland"],
              "the icon without XDG_CURRENT_DESKTOP (Xwayland) is the one with it (Wayland)")

    def summary(name, shown, before=None):
        """Where the summary is once it is shown (or gone), waiting for it."""
        for _ in range(10):
            box = changed(before or idle, shot(f"{platform}-{name}"), BAR, height)
            if (box is not None) == shown:
                break
            time.sleep(1)
        return box

    def under_icon(box):
        return box is not None and box[1] < BAR + 40 and box[0] <= icon_x <= box[2]

    def closed_by(what, required):
        """A check, or a note where mutter tells the client nothing; what is left is closed."""
        box = summary(what.replace(" ", "-"), False)
        if required:
            check(box is None, f"{platform}: a click on {what} closes it (left: {box})")
        else:
            print(f"note: {platform}: a click on {what} reaches no client: left {box}")
        if box is not None:
            # Once the shell's calendar has gone, Xwayland gets no keys: the cover takes a click.
            click(40, height - 40)
            key(0xff1b)
        return box

    def click_top_bar():
        click(bare.get_width() // 2, icon_y)  # the clock: its calendar opens
        key(0xff1b)  # reaches the shell's calendar, not the summary

    click(icon_x, icon_y)
    menu = changed(idle, shot(platform + "-menu"), BAR, height)
    if not check(menu is not None, f"{platform}: a click on the item opens its menu at {menu}"):
        app.kill()
        continue
    click(icon_x, menu[1] + 24)  # the menu's first entry, Open Ampra
    box = summary("open", True)
    check(under_icon(box) if platform == "xcb" else box is not None,
          f"{platform}: Open Ampra shows the summary at {box}")
    # Mutter tells no Wayland client of a click on the bare background; under Xwayland the
    # summary's transparent cover takes it.
    click(40, height - 40)
    if closed_by("the desktop", platform == "xcb") is not None:
        click_top_bar()
        closed_by("the top bar", True)

    # The extension's double click: mutter's virtual pointer gives it no click count, so the
    # check sends the Activate the extension would.
    name, _, path = items()[0].partition("/")
    call(name, "/" + (path or "StatusNotifierItem"), "org.kde.StatusNotifierItem", "Activate",
         "(ii)", (icon_x, icon_y))
    box = summary("activated", True)
    check(under_icon(box) if platform == "xcb" else box is not None,
          f"{platform}: Activate shows the summary at {box}")
    # Under Xwayland the cover, above the top bar, takes the click; on Wayland the calendar takes
    # the keyboard.
    click_top_bar()
    closed_by("the top bar", True)

    # Another application's window, a Wayland one, beside the summary.
    other = subprocess.Popen([sys.executable, "-c", OTHER], stderr=subprocess.DEVNULL,
                             env=dict(os.environ, GDK_BACKEND="wayland"))
    time.sleep(3)
    with_other = shot(f"{platform}-other")
    window = changed(idle, with_other, BAR, height)
    call(name, "/" + (path or "StatusNotifierItem"), "org.kde.StatusNotifierItem", "Activate",
         "(ii)", (icon_x, icon_y))
    box = summary("other-summary", True, with_other)
    if check(window is not None and box is not None,
             f"{platform}: the summary at {box} beside another window at {window}"):
        # A bottom corner of the window the summary does not hide.
        corners = [(x, window[3] - 10) for x in (window[2] - 10, window[0] + 10)]
        click(*next((c for c in corners
                     if not (box[0] <= c[0] <= box[2] and box[1] <= c[1] <= box[3])), corners[0]))
        box = summary("other-click", False, with_other)
        check(box is None, f"{platform}: a click on another window closes it (left: {box})")
        if box is not None:
            key(0xff1b)
    other.kill()
    other.wait()

    click(icon_x, icon_y)
    menu = changed(idle, shot(platform + "-quit-menu"), BAR, height)
    if menu is not None:
        click(icon_x, menu[3] - 24)  # the last entry, Quit
    try:
        app.wait(10)
        check(True, f"{platform}: Quit quits")
    except subprocess.TimeoutExpired:
        check(False, f"{platform}: Quit quits")
        app.kill()
        app.wait()
    time.sleep(1)

sys.exit(1 if failures else 0)
EOF
