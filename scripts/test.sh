#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, the
# reference service's on SQLite and on a PostgreSQL server started for them
# (scripts/test-postgres.sh; stopped again however the tests end; with
# VBX_TEST_POSTGRES_URL set, that server is used instead) and a bounded load
# test of the service (scripts/load-test.sh); then builds the
# parsers once more with AddressSanitizer and UndefinedBehaviorSanitizer
# (in BUILD_DIR-sanitize) and replays every fuzz corpus under them.
#   scripts/test.sh [BUILD_DIR]    (default: build)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$top/build}")

"$top/scripts/setup-deps.sh"

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVBX_WERROR=ON >/dev/null
cmake --build "$build" --parallel 2

if [[ -z "${VBX_TEST_POSTGRES_URL:-}" ]]; then
    postgres=$(mktemp -d "${TMPDIR:-/tmp}/vellumbrix-postgres-XXXXXX")
    trap '"$top/scripts/test-postgres.sh" stop "$postgres"' EXIT
    trap 'exit 130' INT TERM
    VBX_TEST_POSTGRES_URL=$("$top/scripts/test-postgres.sh" start "$postgres")
    export VBX_TEST_POSTGRES_URL
fi

cd "$build"
# The summary is the last lines ctest prints; failures are listed there too.
ctest --output-on-failure --parallel 2 --timeout 300
if [[ -n "${postgres:-}" ]]; then
    "$top/scripts/test-postgres.sh" stop "$postgres"
    trap - EXIT
fi

# The service under load, bounded to keep the run short: 20 devices syncing
# at once, each sending 5 photos and bringing down the other 95, on SQLite
# and on PostgreSQL with two server processes; everything checked byte for
# byte. (The figures of record come from a larger run: see the script.)
VBX_CLI="$build/apps/vellumbrix-cli/vellumbrix-cli" VBX_SERVER="$build/server/vellumbrix-server" \
    "$top/scripts/load-test.sh" --clients 20 --photos 5 --engine both

# The parsers under the sanitizers: the decoder, the store and user file
# loaders, the registry parser, the response scanner and the merge of
# changes responses into a store, through the replay
# of every kept fuzz input with its outcome checked. Only that program and
# the libraries it needs are built a second time.
sanitized="$build-sanitize"
cmake -S "$top" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVBX_WERROR=ON -DVBX_SANITIZE=ON -DVBX_BUILD_BENCH=OFF >/dev/null
cmake --build "$sanitized" --parallel 2 --target vbx_corpus_replay_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$sanitized/tests/fuzz/vbx_corpus_replay_tests" --gtest_brief=1
