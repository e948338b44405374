#!/usr/bin/env bash
# Builds Lexorin and runs the engine on a text: the sample text, or the files given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target engine_bench
if [ $# -eq 0 ]; then
    set -- samples/lighthouse.txt
fi
exec build/bench/engine_bench "$@"
