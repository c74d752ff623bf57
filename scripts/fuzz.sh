#!/usr/bin/env bash
# Builds one libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz) and runs it for a while.
#   scripts/fuzz.sh TARGET SECONDS
# Seeds come from fuzz/corpus/TARGET when that folder exists. The corpus the
# run grows is kept in build-fuzz/corpus/TARGET; an input that makes the
# target fail is written to build-fuzz/crashes/TARGET/ and the script exits
# non-zero.
set -euo pipefail

if (($# != 2)); then
    echo "usage: scripts/fuzz.sh TARGET SECONDS" >&2
    exit 2
fi
target=$1
seconds=$2
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"

"$top/scripts/setup-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVBX_FUZZ=ON -DVBX_BUILD_TESTS=OFF -DVBX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel 2 --target "$target"

binary="$build/fuzz/$target"
corpus="$build/corpus/$target"
crashes="$build/crashes/$target"
mkdir -p "$corpus" "$crashes"
seeds=()
if [[ -d "$top/fuzz/corpus/$target" ]]; then
    seeds+=("$top/fuzz/corpus/$target")
fi

# The fuzzer's temporary files stay inside the build folder.
export TMPDIR="$build/tmp"
mkdir -p "$TMPDIR"
exec "$binary" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}"
