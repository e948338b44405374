#!/usr/bin/env bash
# Builds Lexorin and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target lexorin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Lexorin is built, but there is no display to show it on."
    echo "Run it on a virtual display with:  xvfb-run -a build/shell/lexorin"
    echo "or start it where a desktop is:    build/shell/lexorin"
    exit 0
fi
exec build/shell/lexorin
