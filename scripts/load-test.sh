#!/usr/bin/env bash
# A bounded load test of the reference service on loopback, through the
# command-line client: CLIENTS devices (default 20), each with an account
# and a blog of its own, subscribed at full size to every other device's
# blog. All devices then sync at once: each sends PHOTOS new photos
# (default 50) and brings down everyone else's; a second round of syncs,
# again all at once, brings what was sent after a device's first sync.
# With two server processes every device makes its second sync through the
# other process than its first, so the changes feed is read across them.
#
#   scripts/load-test.sh [--clients N] [--photos N] [--engine sqlite|postgresql|both] [--keep]
#
# Runs once on SQLite (one server process) and once on PostgreSQL (two
# server processes sharing one database and one photo folder, made by
# scripts/scaled-service.sh; the devices are spread over them). Then checks
# that nothing was lost: every entry on every subscriber, not pending, at
# full size; every photo the service keeps byte-identical to the file its
# device sent; every device's copy byte-identical to the service's; and no
# error answer in the servers' request logs. Prints, per engine, the
# requests per second of the two sync rounds and the 50th and 99th
# percentile of the time the servers took per request (the duration of
# each request's log line). Exits non-zero when a check fails.
#
# Programs: $VBX_CLI (build/apps/vellumbrix-cli/vellumbrix-cli) and
# $VBX_SERVER (build/server/vellumbrix-server); needs cjpeg, jq, curl and,
# for PostgreSQL, what scripts/test-postgres.sh needs. Everything is made
# in a temporary folder that is removed afterwards unless --keep is given.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cli=${VBX_CLI:-"$top/build/apps/vellumbrix-cli/vellumbrix-cli"}
server=${VBX_SERVER:-"$top/build/server/vellumbrix-server"}
export VBX_SERVER="$server"

clients=20
photos=50
engines=(sqlite postgresql)
keep=false
password=load-secret
# Server threads: enough that no device waits for a free one.
threads=24

usage() {
    echo "usage: $0 [--clients N] [--photos N] [--engine sqlite|postgresql|both] [--keep]" >&2
    exit 2
}

while (($# > 0)); do
    case "$1" in
    --clients) clients=${2:?}; shift 2 ;;
    --photos) photos=${2:?}; shift 2 ;;
    --engine)
        case "${2:-}" in
        sqlite | postgresql) engines=("$2") ;;
        both) engines=(sqlite postgresql) ;;
        *) usage ;;
        esac
        shift 2
        ;;
    --keep) keep=true; shift ;;
    *) usage ;;
    esac
done
[[ "$clients" =~ ^[0-9]+$ && "$photos" =~ ^[0-9]+$ ]] && ((clients >= 2 && photos >= 1)) || usage

for program in "$cli" "$server"; do
    [[ -x "$program" ]] || {
        echo "load-test: no program at $program (build it first)" >&2
        exit 1
    }
done
for tool in cjpeg jq curl sha1sum; do
    command -v "$tool" >/dev/null || {
        echo "load-test: $tool is needed (scripts/setup-deps.sh installs it)" >&2
        exit 1
    }
done

work=$(mktemp -d /tmp/vbx-load.XXXXXX)
chmod 755 "$work"
server_pids=()
scaled_dir=""

stop_services() {
    for pid in "${server_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    server_pids=()
    if [[ -n "$scaled_dir" && -d "$scaled_dir" ]]; then
        "$top/scripts/scaled-service.sh" stop "$scaled_dir" >/dev/null 2>&1 || true
    fi
    scaled_dir=""
}

finish() {
    stop_services
    if $keep; then
        echo "load-test: kept $work" >&2
    else
        rm -rf "$work"
    fi
}
trap finish EXIT

fail() {
    echo "load-test: $*" >&2
    exit 1
}

# --- The photos: PHOTOS distinct JPEGs per device, 320x240 so that they go
# up unchanged whatever the blog's upload size.
make_photos() {
    local folder=$work/photos
    local width=320 height=240
    for i in $(seq "$clients"); do
        mkdir -p "$folder/$i"
        for k in $(seq "$photos"); do
            {
                printf 'P6\n%d %d\n255\n' "$width" "$height"
                head -c $((width * height * 3)) /dev/urandom
            } | cjpeg -quality 80 >"$folder/$i/photo-$i-$k.jpg"
        done
    done
}

# --- The service of one engine: fills `addresses` (http://127.0.0.1:PORT,
# one per process) and `logs` (their request logs).
addresses=()
logs=()

start_sqlite() {
    local dir=$1
    mkdir -p "$dir"
    "$server" --data "$dir/data" --photos "$dir/photos" --listen 127.0.0.1:0 --threads "$threads" \
        >"$dir/server.out" 2>"$dir/server.log" &
    server_pids+=($!)
    for _ in $(seq 100); do
        grep -q "listening on" "$dir/server.out" && break
        sleep 0.1
    done
    addresses=("$(grep -o "http://127\.0\.0\.1:[0-9]*" "$dir/server.out")") || fail "the server did not start: $(cat "$dir/server.log")"
    logs=("$dir/server.log")
}

start_postgresql() {
    local dir=$1
    scaled_dir=$dir/scaled
    local started
    started=$("$top/scripts/scaled-service.sh" start "$scaled_dir" 2 -- --threads $((threads / 2))) || fail "the scaled service did not start"
    mapfile -t addresses < <(sed -n 's/^service //p' <<<"$started")
    logs=("$scaled_dir"/server*.log)
    ((${#addresses[@]} == 2)) || fail "expected 2 server processes, got: $started"
}

# --- The devices.
device() { echo "$work/$engine/device$1"; }
vx() {
    local i=$1
    shift
    "$cli" --home "$(device "$i")" "$@"
}
blog() { echo "load$1"; }
email() { echo "load$1@load.test"; }

# Runs `step I` for every device at once; fails when any of them failed.
all_devices() {
    local step=$1
    local pids=() failed=0
    for i in $(seq "$clients"); do
        "$step" "$i" >"$work/$engine/log/$step-$i.out" 2>"$work/$engine/log/$step-$i.err" &
        pids+=($!)
    done
    for index in "${!pids[@]}"; do
        if ! wait "${pids[$index]}"; then
            echo "load-test: $step failed on device $((index + 1)):" >&2
            tail -n 5 "$work/$engine/log/$step-$((index + 1)).err" >&2
            failed=1
        fi
    done
    ((failed == 0)) || fail "$step failed ($engine)"
}

# Each device talks to one process, round robin.
prepare_device() {
    local i=$1
    mkdir -p "$(device "$i")"
    local address=${addresses[$(((i - 1) % ${#addresses[@]}))]}
    vx "$i" prefs "Service Host" "${address#http://}" >/dev/null
    vx "$i" create-account "$(email "$i")" "$password" Load "Tester $i"
    vx "$i" login "$(email "$i")" "$password"
    vx "$i" create-blog "$(blog "$i")" --title "Load test $i"
    vx "$i" --yes sync
    vx "$i" add-photo "$(blog "$i")" "$work/photos/$i"/*.jpg
}

subscribe_to_others() {
    local i=$1
    for j in $(seq "$clients"); do
        ((j == i)) && continue
        vx "$i" --yes subscribe "$(blog "$j")" --download 7 --limit 0
    done
}

sync_device() { vx "$1" --yes sync; }

# Moves a device to the next server process (the same one when there is
# only one).
move_to_next_process() {
    local i=$1
    local address=${addresses[$((i % ${#addresses[@]}))]}
    vx "$i" prefs "Service Host" "${address#http://}" >/dev/null
}

# --- Figures from the request logs: the lines after the marks taken
# before the rounds.
declare -A marks
mark_logs() {
    for log in "${logs[@]}"; do
        marks[$log]=$(wc -l <"$log")
    done
}
lines_since_marks() {
    for log in "${logs[@]}"; do
        tail -n +$((marks[$log] + 1)) "$log"
    done
}
percentile() {
    local sorted=$1 p=$2
    local count
    count=$(wc -l <"$sorted")
    local rank=$(((count * p + 99) / 100))
    ((rank < 1)) && rank=1
    sed -n "${rank}p" "$sorted"
}

# --- The checks.
# The hashes of files, one "HASH" line each, in the order given.
hashes() { tr '\n' '\0' | xargs -0 -r sha1sum | cut -d' ' -f1; }
# Photo addresses without scheme and host: each server process gives its
# own host in the addresses it hands out.
paths_only() { sed 's|^https\?://[^/]*||'; }

# Every entry of a device's blog on the service, each photo the service
# keeps byte-identical to a file the device sent. Read through the next
# device, which subscribed without an entry limit (the blog's own device
# keeps only as many entries as its blog's limit allows). Leaves
# "PATH<TAB>HASH" lines of the service's photos in service-J.tsv.
check_service_copies() {
    local j=$1
    local reader=$((j % clients + 1))
    local listing=$work/$engine/entries-$j.tsv
    vx "$reader" entries "$(blog "$j")" --status 255 |
        jq -r '.[] | [.source_url, (.pending | tostring), (.server_id | tostring)] | @tsv' >"$listing"
    local count
    count=$(wc -l <"$listing")
    ((count == photos)) || fail "$engine: blog $(blog "$j") holds $count entries on the service, not $photos"
    [[ -z "$(awk -F'\t' '$2 == "true" || $3 == "0"' "$listing")" ]] ||
        fail "$engine: blog $(blog "$j") has entries that did not reach the service"
    local copies=$work/$engine/service/$j
    mkdir -p "$copies"
    local k=0
    while IFS=$'\t' read -r url _ _; do
        k=$((k + 1))
        curl -sf -o "$copies/$k.jpg" "$url" || fail "$engine: the service does not give $url"
    done <"$listing"
    paste <(cut -f1 "$listing" | paths_only) <(seq "$k" | sed "s|.*|$copies/&.jpg|" | hashes) | sort >"$work/$engine/service-$j.tsv"
    diff <(cut -f2 "$work/$engine/service-$j.tsv" | sort) <(ls "$work/photos/$j"/*.jpg | hashes | sort) >/dev/null ||
        fail "$engine: the service's photos of $(blog "$j") are not the files its device sent"
}

# Every entry of every other blog on the device, not pending, at full size,
# its file byte-identical to the service's photo.
check_subscriber() {
    local i=$1
    for j in $(seq "$clients"); do
        ((j == i)) && continue
        local listing=$work/$engine/on-$i-of-$j.tsv
        vx "$i" entries "$(blog "$j")" --status 255 |
            jq -r '.[] | [.source_url, .photo_path, (.photo_state | tostring), (.pending | tostring)] | @tsv' >"$listing"
        local count
        count=$(wc -l <"$listing")
        ((count == photos)) || fail "$engine: device $i holds $count entries of $(blog "$j"), not $photos"
        local wrong
        wrong=$(awk -F'\t' '$3 != "7" || $4 != "false"' "$listing" | head -n 1)
        [[ -z "$wrong" ]] || fail "$engine: device $i has an entry of $(blog "$j") not at full size: $wrong"
        paste <(cut -f1 "$listing" | paths_only) <(cut -f2 "$listing" | hashes) | sort >"$listing.sha1" ||
            fail "$engine: device $i lacks photo files of $(blog "$j")"
        diff "$work/$engine/service-$j.tsv" "$listing.sha1" >/dev/null ||
            fail "$engine: device $i's photos of $(blog "$j") differ from the service's"
    done
}

# The request lines of the logs: the duration is the eighth field.
request_lines() { awk '$8 ~ /^[0-9.]+ms$/'; }

# No answer of the service was an error: every request got 200, and every
# service request's outcome was "ok".
check_no_error_answers() {
    local bad
    bad=$(cat "${logs[@]}" | request_lines | awk '$7 != 200 || ($4 == "/ws/" && $9 !~ /^ok/)' | head -n 5)
    [[ -z "$bad" ]] || fail "$engine: the service gave error answers, such as:
$bad"
}

run_engine() {
    engine=$1
    mkdir -p "$work/$engine/log"
    case "$engine" in
    sqlite) start_sqlite "$work/$engine/service" ;;
    postgresql) start_postgresql "$work/$engine" ;;
    esac

    all_devices prepare_device
    all_devices subscribe_to_others

    mark_logs
    local started ended
    started=$(date +%s.%N)
    all_devices sync_device
    all_devices move_to_next_process
    all_devices sync_device
    ended=$(date +%s.%N)
    lines_since_marks >"$work/$engine/rounds.log"

    for j in $(seq "$clients"); do check_service_copies "$j"; done
    for i in $(seq "$clients"); do check_subscriber "$i"; done
    check_no_error_answers

    request_lines <"$work/$engine/rounds.log" | awk '{ sub(/ms$/, "", $8); print $8 }' | sort -g >"$work/$engine/durations"
    local requests
    requests=$(wc -l <"$work/$engine/durations")
    awk -v engine="$engine" -v processes="${#addresses[@]}" -v requests="$requests" -v started="$started" -v ended="$ended" \
        -v p50="$(percentile "$work/$engine/durations" 50)" -v p99="$(percentile "$work/$engine/durations" 99)" \
        -v clients="$clients" -v photos="$photos" 'BEGIN {
            seconds = ended - started
            printf "%s (%d server process%s): %d requests in %.1f s: %.1f requests/s, p50 %.3f ms, p99 %.3f ms; ",
                engine, processes, (processes > 1 ? "es" : ""), requests, seconds, requests / seconds, p50, p99
            printf "%d devices, %d photos up and %d down each, all verified\n", clients, photos, (clients - 1) * photos
        }'
    stop_services
}

make_photos
for engine in "${engines[@]}"; do
    run_engine "$engine"
done
