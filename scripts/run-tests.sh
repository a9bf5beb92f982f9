#!/usr/bin/env bash
# Builds the project and runs every test: SQLite always, and PostgreSQL on a
# throwaway cluster on 127.0.0.1 that lives only for this run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
build_project

PGBIN=/usr/lib/postgresql/15/bin
PGPORT="${SPORTS_TEST_PG_PORT:-55432}"
PGTMP="$(mktemp -d /tmp/sports-pg.XXXXXX)"
chmod 755 "$PGTMP"
RUN_AS=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres:postgres "$PGTMP"
  RUN_AS=(runuser -u postgres --)
fi
stop_pg() {
  "${RUN_AS[@]}" "$PGBIN/pg_ctl" -D "$PGTMP/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$PGTMP"
}
trap stop_pg EXIT

"${RUN_AS[@]}" "$PGBIN/initdb" -D "$PGTMP/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >/dev/null
"${RUN_AS[@]}" "$PGBIN/pg_ctl" -D "$PGTMP/data" -l "$PGTMP/server.log" -w \
  -o "-h 127.0.0.1 -p $PGPORT -k $PGTMP -c max_connections=100 -c fsync=off" start >/dev/null

export SPORTS_TEST_PG_HOST=127.0.0.1
export SPORTS_TEST_PG_PORT="$PGPORT"
export SPORTS_TEST_PG_USER=postgres

cd "$BUILD"
ctest --output-on-failure -j"$(nproc)" "$@"
