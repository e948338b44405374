#!/bin/sh
# Peak memory of lexorin-cli writing a list as CSV, to standard output and
# to a file, against the peak of the analysis alone.
#
#   bench/cli_memory.sh BUILD [FILE [TASK...]]
#       BUILD: the build folder; FILE: default ../shared/corpora/kjv.txt;
#       TASK: default concordance
set -eu
build=$1
file=${2:-$(dirname "$0")/../../shared/corpora/kjv.txt}
[ $# -gt 2 ] && shift 2 || set -- concordance
output=$(mktemp)
trap 'rm -f "$output"' EXIT

peak_kib() { # the maximum resident size of a command, in KiB
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}
mib() { awk -v k="$1" 'BEGIN { printf "%7.1f MiB", k / 1024 }'; }

for task in "$@"; do
    alone=$(peak_kib "$build/bench/analysis_peak" "$task" "$file")
    to_stdout=$(/usr/bin/time -f %M "$build/cli/lexorin-cli" "$task" "$file" 2>&1 >"$output" |
                tail -n 1)
    size=$(wc -c <"$output")
    to_file=$(peak_kib "$build/cli/lexorin-cli" "$task" --output "$output" "$file")
    echo "$task: analysis alone $(mib "$alone"); lexorin-cli to standard output $(mib "$to_stdout")," \
         "to a file $(mib "$to_file"); output $(mib $((size / 1024)))"
    awk -v a="$alone" -v s="$to_stdout" -v f="$to_file" \
        'BEGIN { printf "  ratio to the analysis alone: %.2f (standard output), %.2f (file)\n", s / a, f / a }'
done
