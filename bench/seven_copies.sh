#!/bin/sh
# Whole lexorin-cli runs on a text and on seven copies of it (kjv.txt: 31 MB,
# near the 32 MB cap, made in a temporary file): time and peak memory of
# wordforms and of phrases of exactly three words, each run RUNS times
# (median, min-max), and how they grow from one copy to seven.
#
#   bench/seven_copies.sh BUILD [FILE [RUNS]]
#       BUILD: the build folder; FILE: default ../shared/corpora/kjv.txt; RUNS: default 3
set -eu
build=$1
file=${2:-$(dirname "$0")/../../shared/corpora/kjv.txt}
runs=${3:-3}
seven=$(mktemp)
output=$(mktemp)
times=$(mktemp)
trap 'rm -f "$seven" "$output" "$times"' EXIT
for _ in 1 2 3 4 5 6 7; do cat "$file"; done >"$seven"

# median, min and max of one column of $times
column() {
    cut -d ' ' -f "$1" "$times" | sort -n |
        awk -v scale="$2" '{ v[NR] = $1 / scale }
            END { printf "%.2f (%.2f-%.2f)", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

# TASK OPTIONS...: each run on one copy and on seven
measure() {
    task=$1
    shift
    for text in "$file" "$seven"; do
        : >"$times"
        run=0
        while [ "$run" -lt "$runs" ]; do
            /usr/bin/time -a -o "$times" -f "%e %M" "$build/cli/lexorin-cli" "$task" "$@" \
                --output "$output" "$text" >/dev/null 2>&1
            run=$((run + 1))
        done
        copies=1
        [ "$text" = "$seven" ] && copies=7
        echo "$task x$copies: $(column 1 1) s, peak $(column 2 1024) MiB"
        median=$(cut -d ' ' -f 1 "$times" | sort -n | awk -v r="$runs" 'NR == int((r + 1) / 2)')
        [ "$copies" = 1 ] && single=$median
    done
    awk -v a="$single" -v b="$median" \
        'BEGIN { printf "  seven copies take %.1f times as long as one\n", b / a }'
}

echo "$(basename "$file"): $(wc -c <"$file") bytes; seven copies: $(wc -c <"$seven") bytes; $runs runs each"
measure wordforms
measure phrases --option rbExactWords_Checked=True --option rseWords_Value=3
