#!/usr/bin/env bash
# Makes the README's pictures, drawn on a virtual X display from the sample
# text: docs/screenshot.png, the window after a phrase calculation;
# docs/report-preview.png, the report of that list; and
# docs/chart-frequencies.png and docs/chart-dispersion.png, two charts of
# its concordance; docs/page-summary.png and docs/page-options.png (and the
# latter at a 1.5 scale factor), two pages at the window's first size;
# docs/kwic.png, docs/collocates.png and docs/keywords.png, the KWIC lines
# and collocates of "the" and the keywords against the second sample.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target lexorin_screenshot
shoot() {
    xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/lexorin_screenshot samples/lighthouse.txt "$@"
    echo "$1 written"
}
shoot docs/screenshot.png
shoot docs/report-preview.png report
shoot docs/chart-frequencies.png frequencies
shoot docs/chart-dispersion.png dispersion the
shoot docs/page-summary.png page 4
shoot docs/page-options.png page 5
QT_SCALE_FACTOR=1.5 shoot docs/page-options-1.5.png page 5
shoot docs/kwic.png kwic the
shoot docs/collocates.png collocates the
shoot docs/keywords.png keywords samples/harbour.txt
