#!/usr/bin/env bash
# Builds one libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz) and runs it for a while.
#   scripts/fuzz.sh TARGET SECONDS
# Targets: vbx_jpeg_decoder_fuzzer, vbx_response_scan_fuzzer,
# vbx_store_file_fuzzer (blog store and user files: load, save, load again),
# vbx_registry_file_fuzzer (the registry file: read, write back, save),
# vbx_changes_response_fuzzer (changes responses merged into a store),
# vbx_vcard_fuzzer (address book cards),
# vbx_server_request_fuzzer.
# Seeds: fuzz/corpus/TARGET when it exists, plus generated pictures and the
# kept findings (tests/data/jpeg-fuzz) for the JPEG decoder. The corpus the
# run grows stays in build-fuzz/corpus/TARGET; an input that makes the target
# fail is written to build-fuzz/crashes/TARGET/ and the script exits
# non-zero. Keep every such input as a regression test.
#
# To keep a grown corpus as regression inputs, merge it into the checked-in
# one and record each input's outcome (the tests replay them and compare):
#   build-fuzz/fuzz/TARGET -merge=1 fuzz/corpus/TARGET build-fuzz/corpus/TARGET
#   VBX_RECORD_OUTCOMES=1 build/tests/fuzz/vbx_corpus_replay_tests
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

corpus="$build/corpus/$target"
crashes="$build/crashes/$target"
mkdir -p "$corpus" "$crashes"
seeds=()
if [[ -d "$top/fuzz/corpus/$target" ]]; then
    seeds+=("$top/fuzz/corpus/$target")
fi
options=()
if [[ "$target" == vbx_jpeg_decoder_fuzzer ]]; then
    cmake --build "$build" --parallel 2 --target make-jpeg-corpus
    if [[ -z "$(ls -A "$corpus")" ]]; then
        "$build/fuzz/make-jpeg-corpus" "$corpus"
    fi
    seeds+=("$top/tests/data/jpeg-fuzz")
    options+=(-max_len=65536 -timeout=10 -rss_limit_mb=2048)
fi

# Changes responses: whole responses of a few records, each merged into a
# store (and every other one saved) in a few milliseconds.
if [[ "$target" == vbx_changes_response_fuzzer ]]; then
    options+=(-max_len=16384 -timeout=10 -rss_limit_mb=2048)
fi

if [[ "$target" == vbx_server_request_fuzzer ]]; then
    # Envelopes carry whole photos as base64.
    options+=(-max_len=131072 -timeout=10 -rss_limit_mb=2048)
fi

case "$target" in
vbx_store_file_fuzzer | vbx_registry_file_fuzzer | vbx_vcard_fuzzer)
    options+=(-max_len=8192)
    ;;
esac

# The fuzzer's temporary files stay inside the build folder, or in memory
# for the targets that save files (each save is flushed to disk).
export TMPDIR="$build/tmp"
if [[ "$target" == vbx_store_file_fuzzer || "$target" == vbx_registry_file_fuzzer ]] && [[ -d /dev/shm && -w /dev/shm ]]; then
    TMPDIR=$(mktemp -d /dev/shm/vbx-fuzz-XXXXXX)
    trap 'rm -rf "$TMPDIR"' EXIT
fi
mkdir -p "$TMPDIR"
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "${options[@]}" \
    -artifact_prefix="$crashes/" "$corpus" "${seeds[@]}"
