#!/usr/bin/env bash
# Builds a libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it.
#   scripts/fuzz.sh TARGET SECONDS [BUILD_DIR]
# TARGET: jpeg_decoder_fuzzer. The corpus grows in BUILD_DIR/corpus/TARGET,
# seeded on the first run; inputs that crash are written to
# BUILD_DIR/findings/TARGET (keep each as a regression test in tests/data).
set -euo pipefail

if (($# < 2)); then
    echo "usage: scripts/fuzz.sh TARGET SECONDS [BUILD_DIR]" >&2
    exit 2
fi
target=$1
seconds=$2
top=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-"$top/build-fuzz"}

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVBX_FUZZ=ON -DVBX_SANITIZE=ON -DVBX_BUILD_TESTS=OFF -DVBX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel 2 --target "$target" make-jpeg-corpus

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
if [[ -z "$(ls -A "$corpus")" ]]; then
    "$build/fuzz/make-jpeg-corpus" "$corpus"
    # Earlier findings are seeds too.
    if [[ -d "$top/tests/data/jpeg-fuzz" ]]; then
        cp "$top/tests/data/jpeg-fuzz/"* "$corpus/" 2>/dev/null || true
    fi
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$corpus"
