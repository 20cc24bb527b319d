#!/bin/bash
# Installs what is missing and builds Ampra; the tray application arrives with the status bar.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
echo "Ampra's tray application arrives with the status bar."
