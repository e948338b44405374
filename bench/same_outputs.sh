#!/bin/sh
# Runs every task of two lexorin-cli builds on one text with a set of option
# variants and compares what they write byte for byte: a change meant to
# make the program faster must not change one output.
#
#   bench/same_outputs.sh CLI_A CLI_B FILE
#       prints each variant whose outputs (or exit statuses) differ, and a count
set -eu
a=$1
b=$2
file=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'the\r\nand\r\nof\r\n' >"$work/ignored.txt"
variants=0
differ=0

# TASK OPTIONS...: one variant run by both builds
compare() {
    variants=$((variants + 1))
    status_a=0
    status_b=0
    "$a" "$@" --output "$work/a.csv" "$file" >/dev/null 2>&1 || status_a=$?
    "$b" "$@" --output "$work/b.csv" "$file" >/dev/null 2>&1 || status_b=$?
    if [ "$status_a" -ne "$status_b" ] || ! cmp -s "$work/a.csv" "$work/b.csv"; then
        echo "differ: $*"
        differ=$((differ + 1))
    fi
    rm -f "$work/a.csv" "$work/b.csv"
}

compare phrases
compare phrases --option rbExactWords_Checked=True --option rbMinWords_Checked=False \
    --option rseWords_Value=3
compare phrases --option cbCaseSens_Checked=True --option cbIncludeSubstrings_Checked=True
compare phrases --option rseCases_Value=3 --option rseWords_Value=4
compare phrases --ignored "$work/ignored.txt" --option cbWordsUseIgnored_Checked=True
compare wordforms
compare wordforms --option rbExact_Checked=True --option rbMin_Checked=False \
    --option rseChars_Value=4 --option cbPrefOnly_Checked=False
compare wordforms --option cbCaseSens_Checked=True
compare wordforms --option rseWordCases_Value=1 --option rseChars_Value=6
compare concordance
compare concordance --layout professional
compare concordance --option cbCaseSens_Checked=True --option rseConcMinFreq_Value=3
compare summary
echo "$file: $variants variants, $differ differ"
[ "$differ" -eq 0 ]
