#!/usr/bin/env bash
# Installs the Debian packages Lexorin needs to build, test and run.
# Does nothing when they are all installed already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    libgtest-dev libbenchmark-dev
    qt6-base-dev libqt6printsupport6 libgl-dev libqcustomplot-dev
    libxlsxwriter-dev pkg-config unzip qt6-svg-dev libdivsufsort-dev libicu-dev
    xvfb xauth fonts-dejavu-core fonts-liberation poppler-utils breeze-icon-theme
    desktop-file-utils
    clang libclang-rt-14-dev
    python3-nltk time
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
