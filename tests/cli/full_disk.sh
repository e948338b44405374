#!/bin/sh
# lexorin-cli writing a report, a chart or a list onto a full file system:
# status 1, a message that names the file and the system's reason, the file
# that was there before left as it was, and no temporary file. Needs root to
# mount a small tmpfs; skipped (77) without.
set -u
cli=$1
[ "$(id -u)" -eq 0 ] || { echo "not root: skipped"; exit 77; }
folder=$(mktemp -d)
disk=$folder/disk
mkdir "$disk"
trap 'umount "$disk" 2>/dev/null; rm -rf "$folder"' EXIT
mount -t tmpfs -o size=512k tmpfs "$disk" 2>/dev/null || { echo "no tmpfs: skipped"; exit 77; }
awk 'BEGIN { for (i = 0; i < 300; ++i) printf "The keeper lit the lamp %d and the lamp burned.\n", i }' \
    > "$folder/text"
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

check() { # NAME ARGS...: writes $disk/NAME with the disk full
    name=$1
    shift
    printf 'old' > "$disk/$name"
    dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
    "$cli" "$@" "$folder/text" 2> "$folder/err" > /dev/null
    status=$?
    [ "$status" -eq 1 ] || fail "$name: status $status"
    grep -q "$disk/$name.*No space left on device" "$folder/err" ||
        fail "$name: $(cat "$folder/err")"
    [ "$(cat "$disk/$name")" = old ] || fail "$name: the old file is gone"
    [ "$(ls "$disk" | wc -l)" -eq 2 ] || fail "$name: left behind: $(ls "$disk")"
    rm -f "$disk/filler" "$disk/$name"
}

check report.pdf phrases --quiet --report "$disk/report.pdf"
for suffix in svg png pdf; do
    check "chart.$suffix" concordance --quiet --chart frequencies --chart-output "$disk/chart.$suffix"
done
check list.csv concordance --quiet --output "$disk/list.csv"
check list.xlsx concordance --quiet --output "$disk/list.xlsx"
exit $failed
