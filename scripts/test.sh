#!/usr/bin/env bash
# Builds everything and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXORIN_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
