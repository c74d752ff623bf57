#!/usr/bin/env bash
# The main job, end to end on this machine: the reference web service on
# 127.0.0.1 with a temporary data folder, and two sandboxed devices driven
# by the command line. The first creates an account and a blog, adds the
# example photos and syncs them up; the second subscribes to the blog and
# syncs it down, comments on a photo, and both sync again. Then a summary,
# the blog's web address, screenshots of the desktop program showing the
# synced blog, and everything stopped again.
#   scripts/demo.sh [BUILD_DIR]    (default: build)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$top/build}")

"$top/scripts/setup-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target vellumbrix-cli vellumbrix vellumbrix-server

cli="$build/apps/vellumbrix-cli/vellumbrix-cli"
server="$build/server/vellumbrix-server"
desktop="$build/apps/vellumbrix/vellumbrix"

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumbrix-demo-XXXXXX")
service_pid=""
stop_service() {
    if [[ -n "$service_pid" ]] && kill -0 "$service_pid" 2>/dev/null; then
        kill "$service_pid"
        wait "$service_pid" 2>/dev/null || true
    fi
    service_pid=""
}
trap stop_service EXIT
trap 'exit 130' INT TERM

step() { printf '\n== %s\n' "$*"; }

# The service picks a free port and prints its address on its first line.
step "Starting the reference web service (data in $work/service)"
mkdir -p "$work/service"
: >"$work/service.out"
"$server" --listen 127.0.0.1:0 --data "$work/service" >"$work/service.out" 2>"$work/service.log" &
service_pid=$!
address=""
for _ in $(seq 1 100); do
    address=$(sed -n 's/^vellumbrix-server: listening on \(http:\/\/[^ ]*\).*/\1/p' "$work/service.out")
    [[ -n "$address" ]] && break
    kill -0 "$service_pid" 2>/dev/null || { cat "$work/service.log" >&2; exit 1; }
    sleep 0.1
done
[[ -n "$address" ]] || { echo "the service did not start" >&2; exit 1; }
host=${address#http://}
echo "listening on $address"

alice="$work/alice-device"
bob="$work/bob-device"
mkdir -p "$alice" "$bob"
on() { local device=$1; shift; "$cli" --home "$device" "$@"; }

step "Alice's device: a new account and a blog"
on "$alice" prefs "Service Host" "$host" >/dev/null
on "$alice" create-account alice@example.org "harbour-lights" Alice Example
on "$alice" create-blog alices-harbour --title "Alice's Harbour" --subtitle "Photos from the bay"

step "Alice adds the example photos and syncs them up"
on "$alice" add-photo alices-harbour "$top"/examples/photos/*.jpg --caption "From the demo"
on "$alice" sync

step "Bob's device: another account, subscribed to Alice's blog (its first sync brings the photos down)"
on "$bob" prefs "Service Host" "$host" >/dev/null
on "$bob" create-account bob@example.org "north-pier" Bob Example
on "$bob" subscribe alices-harbour --download 5

step "Bob comments on the first photo; both devices sync"
on "$bob" add-comment alices-harbour 0 "Lovely light on the water."
on "$bob" sync
on "$alice" sync

count() { grep -c "\"$1\"" || true; }
summary() {
    local who=$1 device=$2
    local entries comments photos
    entries=$(on "$device" entries alices-harbour | count index)
    comments=0
    for ((i = 0; i < entries; i++)); do
        comments=$((comments + $(on "$device" comments alices-harbour "$i" | count text)))
    done
    photos=$(on "$device" entries alices-harbour | grep -c '"photo_path": "[^"]' || true)
    printf '%-6s blogs: %s  entries: %s  comments: %s  photos: %s\n' \
        "$who" "$(on "$device" blogs | count url_name)" "$entries" "$comments" "$photos"
}

step "The desktop program on Alice's device syncs from its Sync soft key (offscreen), then shows its screens"
shots="$work/screenshots"
mkdir -p "$shots"
# Qt wants a private runtime folder; a bare session (ssh, CI) has none.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
"$desktop" --home "$alice" --offscreen --screenshot "$shots/home.png" --do "command 32792" --do wait-sync
"$desktop" --home "$alice" --offscreen --screenshot "$shots/blog.png" --do "open-blog 0"
"$desktop" --home "$bob" --offscreen --screenshot "$shots/bob-blog.png" --do "open-blog 0"
# The program reopens the blog it showed last.
"$desktop" --home "$bob" --offscreen --screenshot "$shots/bob-entry.png" --do "open-entry 0"
ls -1 "$shots"/*.png

step "Summary"
summary Alice "$alice"
summary Bob "$bob"
echo "The blog on the web: $address/alices-harbour"
echo "The devices stay in $work (remove it when done)."

stop_service
echo "The service has stopped."
