#!/bin/sh
# Builds the fuzz harnesses with clang++ and libFuzzer (with AddressSanitizer
# and UndefinedBehaviorSanitizer) into FOLDER and runs each for SECONDS on
# its seeds and on what earlier runs found. Exit status 77 (skipped) where
# clang++ or libFuzzer is missing.
#
#   run_fuzzers.sh SOURCE FOLDER [SECONDS]
set -eu
source=$1
folder=$2
seconds=${3:-5}

if ! command -v clang++ > /dev/null 2>&1; then
    echo "clang++ not found: the fuzz harnesses are not run"
    exit 77
fi
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
    > "$folder/probe.cpp"
if ! clang++ -fsanitize=fuzzer "$folder/probe.cpp" -o "$folder/probe" > /dev/null 2>&1; then
    echo "clang++ has no libFuzzer (Debian: libclang-rt-14-dev): the fuzz harnesses are not run"
    exit 77
fi

flags="-std=c++20 -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# The engine, built again whenever one of its files changed.
library="$folder/engine.a"
if [ ! -f "$library" ] || [ -n "$(find "$source/engine" -newer "$library" -print -quit)" ]; then
    rm -f "$library"
    for file in "$source"/engine/*.cpp; do
        object="$folder/$(basename "$file" .cpp).o"
        clang++ $flags -fsanitize=fuzzer-no-link -I"$source/engine" -c "$file" -o "$object"
        ar rcs "$library" "$object"
    done
fi

status=0
for harness in FuzzTreeStream FuzzTokenizer; do
    binary="$folder/$harness"
    if [ ! -f "$binary" ] || [ "$source/tests/fuzz/$harness.cpp" -nt "$binary" ] ||
        [ "$library" -nt "$binary" ]; then
        clang++ $flags -fsanitize=fuzzer -I"$source/engine" "$source/tests/fuzz/$harness.cpp" \
            "$library" -o "$binary"
    fi
    corpus="$folder/corpus-$harness"
    mkdir -p "$corpus"
    if (cd "$folder" && "$binary" -max_total_time="$seconds" -max_len=4096 "$corpus" \
        "$source/tests/fuzz/seeds/$harness" > "$folder/$harness.log" 2>&1); then
        echo "$harness: $(grep "^Done" "$folder/$harness.log"), no failure"
    else
        tail -n 40 "$folder/$harness.log"
        echo "$harness FAILED; the input that failed is in $folder"
        status=1
    fi
done
exit $status
