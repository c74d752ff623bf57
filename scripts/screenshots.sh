#!/usr/bin/env bash
# Writes a picture of every dialog, and of every page of a dialog with
# pages, into OUT_DIR: one PNG each, named after the dialog's class
# (CEditEntryDlg.png, CBlogPrefsDlg-sync.png, ...), as the handheld's
# 240 x 320 screen shows it below its navigation bar; beside them the whole
# screen at the key steps of the program's tests of a first start and of a
# sitting (FirstStart-*.png, Sitting-*.png). The pictures are the ones the
# dialog tests take; this builds and runs those tests headless.
#   scripts/screenshots.sh OUT_DIR [BUILD_DIR]    (default build: build)
set -euo pipefail

if (($# < 1)); then
    echo "usage: scripts/screenshots.sh OUT_DIR [BUILD_DIR]" >&2
    exit 2
fi
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=${2:-"$top/build"}

"$top/scripts/setup-deps.sh"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVBX_WERROR=ON >/dev/null
fi
cmake --build "$build" --target vbx_dialogs_tests --parallel 2 >/dev/null

rm -f "$out"/*.png
if ! VBX_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen "$build/tests/dialogs/vbx_dialogs_tests" >"$out/screenshots.log" 2>&1; then
    echo "screenshots: a dialog test failed; see $out/screenshots.log" >&2
    exit 1
fi
rm -f "$out/screenshots.log"
ls "$out"/*.png
