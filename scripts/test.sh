#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs every test on
# both engines: SQLite always, and PostgreSQL on a throw-away cluster started here
# (initdb into a temporary folder, a free port, owned by the postgres user).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DORBEL_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

PGBIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
PGDIR=$(mktemp -d /tmp/orbel-pg.XXXXXX)
chown postgres "$PGDIR" 2>/dev/null || true
as_postgres() {
  if [ "$(id -u)" -eq 0 ]; then su postgres -s /bin/bash -c "$*"; else bash -c "$*"; fi
}
stop_cluster() {
  as_postgres "$PGBIN/pg_ctl -D $PGDIR/data -m immediate stop" >/dev/null 2>&1 || true
  rm -rf "$PGDIR"
}
trap stop_cluster EXIT

as_postgres "$PGBIN/initdb -D $PGDIR/data -U postgres -A trust -E UTF8 --locale=C.UTF-8" >/dev/null
PORT=""
for p in $(seq 54330 54430); do
  if ! (exec 3<>/dev/tcp/127.0.0.1/$p) 2>/dev/null; then PORT=$p; break; fi
done
[ -n "$PORT" ] || { echo "no free port for the test cluster" >&2; exit 1; }
as_postgres "$PGBIN/pg_ctl -D $PGDIR/data -l $PGDIR/log -w -o '-p $PORT -k $PGDIR -c listen_addresses=127.0.0.1 -c fsync=off' start" >/dev/null

export ORBEL_TEST_PG="host=127.0.0.1 port=$PORT user=postgres dbname=postgres"
echo "PostgreSQL test cluster on port $PORT: database tests run on SQLite and PostgreSQL"
cd build
ctest --output-on-failure -j "$(nproc)"
