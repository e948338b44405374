#!/usr/bin/env bash
# Peak memory and time of `lexorin-cli phrases` on texts whose passages
# repeat: "a " 20,000 and 200,000 times and, when the corpus is there, seven
# copies of it, with the usual phrase breaks and with none (so that the
# copies after the first are one phrase). The inputs are made in a temporary folder; the lists go to
# /dev/null through standard output.
#
#   bench/phrase_memory.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${1:-build}/cli/lexorin-cli"
corpus=../shared/corpora/kjv.txt
inputs=$(mktemp -d)
trap 'rm -rf "$inputs"' EXIT

repeat() { # TEXT COUNT FILE
    printf "%$2s" "" | sed "s/ /$1/g" >"$3"
}
repeat "a " 20000 "$inputs/a-20000.txt"
repeat "a " 200000 "$inputs/a-200000.txt"
files=("$inputs/a-20000.txt" "$inputs/a-200000.txt")
if [[ -f $corpus ]]; then
    for _ in 1 2 3 4 5 6 7; do cat "$corpus"; done >"$inputs/kjv-7.txt"
    files+=("$inputs/kjv-7.txt")
fi

measure() { # NAME FILE [OPTION...]
    /usr/bin/time -f '%M %e' -o "$inputs/time" "$cli" phrases "${@:3}" "$2" >/dev/null 2>&1
    read -r kib seconds <"$inputs/time"
    printf '%-24s %10d %10d %8s\n' "$1" "$(stat -c %s "$2")" $((kib / 1024)) "$seconds"
}

printf '%-24s %10s %10s %8s\n' text bytes "peak MiB" seconds
for file in "${files[@]}"; do
    measure "$(basename "$file" .txt)" "$file"
done
if [[ -f $inputs/kjv-7.txt ]]; then
    measure "kjv-7, no phrase breaks" "$inputs/kjv-7.txt" --option edBreakChars_Text=
fi
