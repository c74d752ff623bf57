#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh [BUILD_DIR]    (default: build)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build"}

"$top/scripts/setup-deps.sh"

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVBX_WERROR=ON >/dev/null
cmake --build "$build" --parallel 2

cd "$build"
# The summary is the last lines ctest prints; failures are listed there too.
ctest --output-on-failure --parallel 2 --timeout 300
