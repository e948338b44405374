#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file of
# the install is there and that the desktop entry is valid.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/lexorin bin/lexorin-cli share/lexorin/lexorin.tiw \
    share/doc/lexorin/guide/guide.html share/doc/lexorin/guide/screenshot.png \
    share/icons/hicolor/scalable/apps/lexorin.svg share/applications/lexorin.desktop \
    share/man/man1/lexorin-cli.1; do
    [ -f "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/lexorin.desktop"
grep -q '^MimeType=text/plain;$' "$prefix/share/applications/lexorin.desktop"
grep -q '^\.TH LEXORIN-CLI 1' "$prefix/share/man/man1/lexorin-cli.1"
# The installed command line runs.
printf 'One text. One text.' >"$prefix/text.txt"
"$prefix/bin/lexorin-cli" phrases "$prefix/text.txt" 2>/dev/null | grep -q '"One text",2'
echo "install complete in $prefix"
