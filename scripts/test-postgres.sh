#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: a new cluster in a folder, on
# a free port of 127.0.0.1, run by an unprivileged user when called as root
# (PostgreSQL refuses to run as root). Quick rather than safe on power loss:
# it holds nothing but test data.
#
#   scripts/test-postgres.sh start DIR   makes and starts the cluster in the
#                                        empty folder DIR; prints its address
#   scripts/test-postgres.sh stop DIR    stops it and removes DIR
set -euo pipefail

usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}
(($# == 2)) || usage
command=$1
dir=$2

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [[ -z "$bin" ]]; then
    echo "test-postgres: no PostgreSQL server under /usr/lib/postgresql (scripts/setup-deps.sh installs it)" >&2
    exit 1
fi

# Runs a server program as the cluster's owner.
as_owner() {
    if [[ $(id -u) -eq 0 ]]; then
        runuser -u nobody -- "$@"
    else
        "$@"
    fi
}

case "$command" in
start)
    [[ -d "$dir" ]] || usage
    if [[ $(id -u) -eq 0 ]]; then
        chown nobody "$dir"
    fi
    as_owner "$bin/initdb" -D "$dir/cluster" -U vellumbrix -A trust -E UTF8 --locale=C --no-sync >"$dir/initdb.log" 2>&1 || {
        cat "$dir/initdb.log" >&2
        exit 1
    }
    # A port taken by someone else makes the start fail; another is tried.
    for _ in 1 2 3 4 5 6 7 8; do
        port=$((20000 + RANDOM % 40000))
        if as_owner "$bin/pg_ctl" -D "$dir/cluster" -l "$dir/server.log" -w -t 60 \
            -o "-p $port -c unix_socket_directories= -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=300" \
            start >/dev/null; then
            echo "postgresql://vellumbrix@127.0.0.1:$port/postgres"
            exit 0
        fi
    done
    echo "test-postgres: the server did not start; its log:" >&2
    cat "$dir/server.log" >&2 || true
    exit 1
    ;;
stop)
    if [[ -f "$dir/cluster/postmaster.pid" ]]; then
        as_owner "$bin/pg_ctl" -D "$dir/cluster" -m immediate -w stop >/dev/null || true
    fi
    rm -rf "$dir"
    ;;
*)
    usage
    ;;
esac
