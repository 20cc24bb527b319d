#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The include check passes on the sources as they are and refuses each wrong-way include put
# into a copy of them. Usage: check_includes_test.sh <check-includes.sh> <src folder>
set -uo pipefail
check=$1 src=$2
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
"$check" "$src" || { echo "the sources as they are do not pass" >&2; exit 1; }
status=0
while IFS='|' read -r file include; do
    rm -rf "$copy/src" && cp -r "$src" "$copy/src"
    # The cases write ".." as UP, so that no tracked file carries an include that climbs out.
    echo "${include//UP/..}" >>"$copy/src/$file"
    if "$check" "$copy/src" 2>/dev/null; then
        echo "not refused: $include in $file" >&2
        status=1
    fi
done <<'CASES'
statusbar/StatusBarC.cpp|#include "UP/shell/NoticeTexts.h"
statusbar/StatusBarC.cpp|#include "UP/ampra_shell/shell/NoticeTexts.h"
statusbar/StatusBarC.h|#include "shell/NoticeTexts.h"
battery/BatteryData.cpp|#include "UP/popover/AppWindows.h"
calibration/BatteryManager.h|#include <QtWidgets/QWidget>
persistence/SettingsStore.cpp|#include <QWidget>
stylekit/Fonts.cpp|#include <QtDBus/QDBusConnection>
shell/AppManager.cpp|#include <QDBusConnection>
CASES
exit $status
