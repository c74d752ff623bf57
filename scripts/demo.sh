#!/usr/bin/env bash
# The main job, end to end on this machine. Until the reference web service
# exists, this builds the command-line program and shows it working on a
# fresh sandboxed device.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"

"$top/scripts/setup-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target vellumbrix-cli vellumbrix

cli="$build/apps/vellumbrix-cli/vellumbrix-cli"
home=$(mktemp -d "${TMPDIR:-/tmp}/vellumbrix-demo-XXXXXX")
echo "== A sandboxed device in $home"
echo "== Preferences of a fresh device"
"$cli" --home "$home" prefs
echo "== Setting the service host"
"$cli" --home "$home" prefs "Service Host" "127.0.0.1:8080"
echo "== The registry file"
cat "$home/registry.reg"
echo "== An error message"
"$cli" error 8003
echo
echo "== The desktop program on the same device, offscreen"
desktop="$build/apps/vellumbrix/vellumbrix"
shots="$home/screenshots"
mkdir -p "$shots"
"$desktop" --home "$home" --offscreen --screenshot "$shots/home.png" --do "key F2"
"$desktop" --home "$home" --offscreen --screenshot "$shots/font-dialog.png" --do "command 32783"
"$desktop" --home "$home" --offscreen --screenshot "$shots/blog.png" --do "open-blog 0"
"$desktop" --home "$home" --offscreen --screenshot "$shots/home-large.png" --screen 480x640 --dpi 192
echo "screenshots:"
ls -1 "$shots"/*.png
echo
echo "Syncing with the reference web service: not yet (it comes with the service work)."
