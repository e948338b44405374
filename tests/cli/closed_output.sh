#!/bin/sh
# lexorin-cli writing to a full device or into a pipe whose reader has gone:
# never exit status 0. A full device gives the message and status 1; a closed
# pipe ends the program by SIGPIPE (status 141) as it ends other tools, or,
# where SIGPIPE is ignored, gives the message and status 1.
set -u
cli=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# About a megabyte of concordance: far more than a pipe holds.
awk 'BEGIN { for (i = 0; i < 60000; ++i) printf "word%d ", i }' > "$folder/text"
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

"$cli" concordance "$folder/text" > /dev/full 2> "$folder/err"
status=$?
[ "$status" -eq 1 ] || fail "a full device: status $status"
grep -q "^Cannot write to standard output: No space left on device$" "$folder/err" ||
    fail "a full device: $(tail -n 1 "$folder/err")"

{ "$cli" concordance "$folder/text" 2> "$folder/err"; echo $? > "$folder/status"; } | head -c 1 > /dev/null
status=$(cat "$folder/status")
[ "$status" -eq 141 ] || fail "a closed pipe: status $status"

{ trap '' PIPE; "$cli" concordance "$folder/text" 2> "$folder/err"; echo $? > "$folder/status"; } |
    head -c 1 > /dev/null
status=$(cat "$folder/status")
[ "$status" -eq 1 ] || fail "a closed pipe, SIGPIPE ignored: status $status"
grep -q "^Cannot write to standard output: Broken pipe$" "$folder/err" ||
    fail "a closed pipe, SIGPIPE ignored: $(tail -n 1 "$folder/err")"
exit $failed
