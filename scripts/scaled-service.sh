#!/usr/bin/env bash
# The reference service as several processes in front of one PostgreSQL
# server and one shared photo folder, all on this machine: for load tests
# and for trying the scaled service by hand.
#
#   scripts/scaled-service.sh start DIR [PROCESSES] [-- SERVER-OPTIONS...]
#       In the folder DIR (made if missing): a PostgreSQL server
#       (scripts/test-postgres.sh) and PROCESSES (default 2) vellumbrix-server
#       processes on free ports of 127.0.0.1, each given the SERVER-OPTIONS
#       (--threads, --tls-cert and --tls-key, ...). Prints "database ADDRESS",
#       then one "service http[s]://127.0.0.1:PORT" line per process.
#   scripts/scaled-service.sh admin DIR COMMAND [ARGUMENTS]
#       An administration command on its database (create-user, ...).
#   scripts/scaled-service.sh stop DIR
#       Stops the processes and the database and removes DIR.
#
# The server program is $VBX_SERVER, or build/server/vellumbrix-server.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
server=${VBX_SERVER:-"$top/build/server/vellumbrix-server"}

usage() {
    echo "usage: $0 start DIR [PROCESSES] [-- SERVER-OPTIONS...] | admin DIR COMMAND... | stop DIR" >&2
    exit 2
}
(($# >= 2)) || usage
command=$1
dir=$2
shift 2

# Whether a process runs (one that ended but nobody reaped counts as ended).
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ "$state" != Z* ]]
}

stop() {
    for pidfile in "$dir"/server*.pid; do
        [[ -f "$pidfile" ]] || continue
        pid=$(cat "$pidfile")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 100); do
            running "$pid" || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
        rm -f "$pidfile"
    done
    if [[ -d "$dir/postgres" ]]; then
        "$top/scripts/test-postgres.sh" stop "$dir/postgres"
    fi
}

case "$command" in
start)
    processes=2
    if (($# > 0)) && [[ "$1" != "--" ]]; then
        processes=$1
        shift
    fi
    if (($# > 0)); then
        [[ "$1" == "--" ]] || usage
        shift
    fi
    [[ -x "$server" ]] || {
        echo "scaled-service: no server program at $server" >&2
        exit 1
    }
    mkdir -p "$dir/postgres"
    # The database server runs as another user when this runs as root.
    chmod 755 "$dir"
    trap 'stop; exit 1' ERR
    database=$("$top/scripts/test-postgres.sh" start "$dir/postgres")
    echo "$database" >"$dir/database"
    echo "database $database"
    for i in $(seq "$processes"); do
        "$server" --data "$dir/data$i" --photos "$dir/photos" --database "$database" --listen 127.0.0.1:0 "$@" \
            >"$dir/server$i.out" 2>"$dir/server$i.log" &
        echo $! >"$dir/server$i.pid"
        for _ in $(seq 100); do
            grep -q "listening on" "$dir/server$i.out" && break
            running "$(cat "$dir/server$i.pid")" || break
            sleep 0.1
        done
        address=$(grep -o "https\?://127\.0\.0\.1:[0-9]*" "$dir/server$i.out") || {
            echo "scaled-service: process $i did not start:" >&2
            cat "$dir/server$i.log" >&2
            false
        }
        echo "service $address"
    done
    ;;
admin)
    (($# > 0)) || usage
    exec "$server" --data "$dir/data1" --database "$(cat "$dir/database")" admin "$@"
    ;;
stop)
    stop
    rm -rf "$dir"
    ;;
*)
    usage
    ;;
esac
