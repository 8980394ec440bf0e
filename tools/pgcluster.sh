#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests of office mode: data and Unix
# socket inside DIR (no TCP port, so clusters of several checkouts never meet),
# durability switched off for speed, a superuser "vexa" trusted on the socket
# and a user "vexa_senha" that must give its password (for the tests of the
# password file).
#
#   bash tools/pgcluster.sh start DIR    prints the connection for VEXA_TEST_PG
#   bash tools/pgcluster.sh stop DIR     stops the server and removes DIR
#
# PostgreSQL refuses to run as root: as root the server runs as the user
# "postgres" (or "nobody"), which owns DIR.
set -euo pipefail

cmd="${1:-}"
dir="${2:-}"
if [ -z "$cmd" ] || [ -z "$dir" ]; then
  echo "uso: $0 start|stop DIR" >&2
  exit 2
fi
bin="${PG_BIN:-/usr/lib/postgresql/15/bin}"
port=54329

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    local user=postgres
    id "$user" >/dev/null 2>&1 || user=nobody
    runuser -u "$user" -- "$@"
  else
    "$@"
  fi
}

case "$cmd" in
  start)
    if [ ! -x "$bin/initdb" ]; then
      echo "PostgreSQL não encontrado em $bin (pacote postgresql)" >&2
      exit 2
    fi
    mkdir -p "$dir"
    dir="$(cd "$dir" && pwd)"
    bash "$0" stop "$dir"
    mkdir -p "$dir/sock"
    if [ "$(id -u)" -eq 0 ]; then
      user=postgres
      id "$user" >/dev/null 2>&1 || user=nobody
      chown -R "$user" "$dir"
      # The server's user must reach the folder; a checkout under a private
      # home does not let it: the cluster then lives in /tmp, noted in DIR.
      if ! runuser -u "$user" -- test -w "$dir/sock"; then
        elsewhere="$(mktemp -d /tmp/vexa-pgtest.XXXXXX)"
        echo "$elsewhere" > "$dir/elsewhere"
        dir="$elsewhere"
        mkdir -p "$dir/sock"
        chown -R "$user" "$dir"
      fi
    fi
    as_owner "$bin/initdb" -D "$dir/data" -U vexa -A trust -E UTF8 --locale=C.UTF-8 >/dev/null
    cat >> "$dir/data/postgresql.conf" <<EOF
listen_addresses = ''
port = $port
unix_socket_directories = '$dir/sock'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 200
shared_buffers = 128MB
max_locks_per_transaction = 256
log_min_messages = warning
EOF
    # The password user authenticates with its password; everyone else is trusted.
    { echo "local all vexa_senha scram-sha-256"; echo "local all all trust"; } > "$dir/data/pg_hba.conf"
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/log" -w -t 60 start >/dev/null
    "$bin/psql" -h "$dir/sock" -p "$port" -U vexa -d postgres -qAt \
      -c "CREATE ROLE vexa_senha LOGIN PASSWORD 'vexa-senha-de-teste' CREATEDB" >/dev/null
    echo "host=$dir/sock port=$port user=vexa dbname=postgres"
    ;;
  stop)
    for d in "$(cat "$dir/elsewhere" 2>/dev/null)" "$dir"; do
      [ -n "$d" ] || continue
      if [ -f "$d/data/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$d/data" -m immediate stop >/dev/null 2>&1 || true
      fi
      rm -rf "$d"
    done
    ;;
  *)
    echo "uso: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
