#!/bin/sh
# lexorin-cli given too little memory for a tree: a clear message and exit
# status 1, never a crash.
set -u
cli=$1
text=$(mktemp)
trap 'rm -f "$text"' EXIT
# Six million letters in words of varying length.
awk 'BEGIN { srand(7); for (i = 0; i < 200000; ++i) { w = ""; n = 3 + int(rand() * 25);
             for (k = 0; k < n; ++k) w = w sprintf("%c", 97 + int(rand() * 26)); print w } }' > "$text"
err=$( (ulimit -v 150000; "$cli" wordforms "$text") 2>&1 >/dev/null)
status=$?
echo "$err" | tail -n 1
[ "$status" -eq 1 ] && echo "$err" | grep -q "Out of memory"
