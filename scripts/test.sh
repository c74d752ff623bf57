#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, the
# reference service's on SQLite and on a PostgreSQL server started for them
# (scripts/test-postgres.sh; stopped again however the tests end). With
# VBX_TEST_POSTGRES_URL set, that server is used instead.
#   scripts/test.sh [BUILD_DIR]    (default: build)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build"}

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
