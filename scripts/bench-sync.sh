#!/usr/bin/env bash
# The sync benchmark: one device uploads ENTRIES (default 1000) pending
# photo entries of about KB (default 200) kilobytes each to the reference
# service on 127.0.0.1, then a second device subscribed to the blog
# downloads them at size 5 (480x360). Each sync is one "vellumbrix-cli"
# process, timed with its peak resident memory (/usr/bin/time). In the same
# run the curl command line moves the same photos the same way (each
# photo POSTed to the service, then each 480x360 picture fetched with GET,
# one curl process for each direction reusing its connection), for the
# ratio. Goals: peak memory under 64 MB whatever the entry count, time
# within 2x of curl.
#
#   scripts/bench-sync.sh [BUILD-FOLDER] [ENTRIES] [KB]
#
# BUILD-FOLDER (default build) holds vellumbrix-cli, vellumbrix-server and
# bench/vbx_make_bench_photos. The work folder is removed at the end.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
entries=${2:-1000}
kb=${3:-200}
cli="$build/apps/vellumbrix-cli/vellumbrix-cli"
server="$build/server/vellumbrix-server"
maker="$build/bench/vbx_make_bench_photos"
for program in "$cli" "$server" "$maker" /usr/bin/time curl; do
    command -v "$program" >/dev/null || { echo "bench-sync: $program is missing (build it first)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/vbx-bench-sync.XXXXXX)
server_pid=
cleanup() {
    if [[ -n "$server_pid" ]]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    [[ -n "${VBX_BENCH_KEEP:-}" ]] || rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/photos" "$work/service"
"$maker" "$work/photos" "$entries" "$kb" >/dev/null
photo_bytes=$(cat "$work"/photos/*.jpg | wc -c)

"$server" --data "$work/service" admin create-user owner@example.com secret --pro --quota 1000000 >/dev/null
"$server" --data "$work/service" admin create-user reader@example.com secret >/dev/null
"$server" --data "$work/service" admin create-user warm@example.com secret >/dev/null
"$server" --listen 127.0.0.1:0 --data "$work/service" --threads 4 >"$work/server.out" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
    grep -q "listening on" "$work/server.out" && break
    sleep 0.1
done
host=$(sed -n 's|.*listening on http://\([^ ]*\) .*|\1|p' "$work/server.out")
[[ -n "$host" ]] || { cat "$work/server.out" >&2; exit 1; }

# A device on its own sandbox; the daily message check is not due.
device() {
    local home="$work/$1"
    "$cli" --home "$home" prefs "Service Host" "$host" >/dev/null
    "$cli" --home "$home" prefs "Last message check" "$(date +%s)" >/dev/null
    "$cli" --home "$home" login "$2" secret >/dev/null 2>"$work/$1.log"
}

# Runs a command, timed; prints "SECONDS PEAK-KB CPU-SECONDS" (CPU: user
# and system time together).
timed() {
    local log=$1
    shift
    /usr/bin/time -f "%e %M %U %S" -o "$work/time" "$@" >"$log.out" 2>"$log.err" || { cat "$log.err" >&2; exit 1; }
    awk '{ printf "%s %s %.2f\n", $1, $2, $3 + $4 }' "$work/time"
}

device owner owner@example.com
"$cli" --home "$work/owner" create-blog bench >/dev/null 2>>"$work/owner.log"
"$cli" --home "$work/owner" add-photo bench "$work"/photos/*.jpg >/dev/null
read -r up_seconds up_kb up_cpu < <(timed "$work/up" "$cli" --home "$work/owner" sync)

# The 480x360 pictures the service made of the photos. The service scales
# a picture on its first request; one untimed pass of curl has it made, so
# that the sync and curl then fetch the same ready files. Their addresses
# come from a third device that subscribes to thumbnails only.
device warm warm@example.com
"$cli" --home "$work/warm" subscribe bench --download 1 --limit 0 >/dev/null 2>>"$work/warm.log"
"$cli" --home "$work/warm" entries bench | sed -n 's/.*"photo_url": "\(http[^"]*\)".*/\1/p' >"$work/urls"
: >"$work/curl-down.cfg"
while read -r url; do
    [[ -s "$work/curl-down.cfg" ]] && echo next >>"$work/curl-down.cfg"
    printf 'url = "%s"\noutput = "/dev/null"\n' "$url" >>"$work/curl-down.cfg"
done <"$work/urls"
curl -s -K "$work/curl-down.cfg"

device reader reader@example.com
read -r down_seconds down_kb down_cpu < <(timed "$work/down" "$cli" --home "$work/reader" subscribe bench --download 5 --limit 0)
# The pictures the sync kept, in the blog's photo folder.
down_bytes=$(find "$work/reader" -path '*bench*' -name '*.jpg' -print0 | xargs -0 cat | wc -c)
read -r curl_down_seconds curl_down_kb curl_down_cpu < <(timed "$work/curl-down" curl -s -K "$work/curl-down.cfg")

# curl: the same photos up, one POST each on one connection (the service
# refuses them at once: no picture is made).
: >"$work/curl-up.cfg"
for photo in "$work"/photos/*.jpg; do
    [[ -s "$work/curl-up.cfg" ]] && echo next >>"$work/curl-up.cfg"
    printf 'url = "http://%s/ws/"\ndata-binary = "@%s"\noutput = "/dev/null"\n' "$host" "$photo" >>"$work/curl-up.cfg"
done
read -r curl_up_seconds curl_up_kb curl_up_cpu < <(timed "$work/curl-up" curl -s -K "$work/curl-up.cfg" -H "Content-Type: text/xml")
# The time the service spent taking the new entries (making their
# pictures), from its request log.
server_ap=$(grep " AP " "$work/server.out" | sed 's/.* \([0-9.]*\)ms.*/\1/' | awk '{ s += $1 } END { printf "%.2f", s / 1000 }')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
echo "entries $entries, photos $((photo_bytes / entries / 1024)) KB on average ($((photo_bytes / 1048576)) MB up, $((down_bytes / 1048576)) MB down at size 5)"
up_client=$(awk -v a="$up_seconds" -v b="$server_ap" 'BEGIN { printf "%.2f", a - b }')
echo "upload sync:      ${up_seconds} s (the service's own work on the entries ${server_ap} s, the rest ${up_client} s), peak $(mb "$up_kb") MB, CPU ${up_cpu} s; curl ${curl_up_seconds} s (CPU ${curl_up_cpu} s); ratio $(ratio "$up_seconds" "$curl_up_seconds"), without the service's work $(ratio "$up_client" "$curl_up_seconds")"
echo "download sync:    ${down_seconds} s, peak $(mb "$down_kb") MB, CPU ${down_cpu} s; curl ${curl_down_seconds} s (CPU ${curl_down_cpu} s); ratio $(ratio "$down_seconds" "$curl_down_seconds")"
total=$(awk -v a="$up_seconds" -v b="$down_seconds" 'BEGIN { print a + b }')
curl_total=$(awk -v a="$curl_up_seconds" -v b="$curl_down_seconds" 'BEGIN { print a + b }')
echo "both:             ${total} s against curl ${curl_total} s; ratio $(ratio "$total" "$curl_total") (goal 2.00); peak under 64 MB: $([[ $up_kb -lt 65536 && $down_kb -lt 65536 ]] && echo yes || echo no)"
