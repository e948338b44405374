#!/usr/bin/env bash
# Makes docs/screenshot.png: the window after a phrase calculation on the
# sample text, and docs/report-preview.png: the report of that list, drawn
# on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target lexorin_screenshot
xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/tools/lexorin_screenshot samples/lighthouse.txt docs/screenshot.png \
    docs/report-preview.png
echo "docs/screenshot.png and docs/report-preview.png written"
