#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests: "start STATE" makes one in a temporary folder on a free
# port and writes "PORT FOLDER" into the file STATE; "stop STATE" stops it and removes the folder. Every
# login is trusted but ostrel_password's, which needs its password "ostrel" (PostgresCluster.h).
set -euo pipefail

action=$1
state=$2
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

free_port() {
    local port
    for port in $(seq 55432 55999); do
        if ! (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return
        fi
    done
    echo "no free port" >&2
    exit 1
}

case $action in
start)
    folder=$(mktemp -d /tmp/ostrel-pg.XXXXXX)
    [ "$(id -u)" -eq 0 ] && chown postgres "$folder"
    as_owner "$bin/initdb" -D "$folder/data" -U postgres -E UTF8 --locale=C.UTF-8 --auth-host=trust \
        --auth-local=trust -N >"$folder/initdb.log"
    hba="$folder/data/pg_hba.conf"
    { echo "host all ostrel_password 127.0.0.1/32 scram-sha-256"; cat "$hba"; } >"$folder/pg_hba.new"
    as_owner cp "$folder/pg_hba.new" "$hba"
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        if as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/log" -w \
            -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null; then
            as_owner "$bin/psql" -h "$folder" -p "$port" -U postgres -d postgres -q \
                -c "CREATE ROLE ostrel_password LOGIN PASSWORD 'ostrel'"
            echo "$port $folder" >"$state"
            exit 0
        fi
    done
    cat "$folder/log" >&2
    exit 1
    ;;
stop)
    [ -f "$state" ] || exit 0
    read -r port folder <"$state"
    as_owner "$bin/pg_ctl" -D "$folder/data" -m fast -w stop >/dev/null || true
    rm -rf "$folder" "$state"
    ;;
esac
