#!/usr/bin/env bash
# Fresh machine to passing tests: install the packages, build, run every test
# on SQLite, then run the suites that keep data once more with their tables on
# a throw-away PostgreSQL cluster (office mode), started in the build folder
# and stopped at the end whatever the outcome.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_WERROR=ON
cmake --build build
root="$PWD"
cluster="$root/build/pgtest"
trap 'bash "$root/tools/pgcluster.sh" stop "$cluster"' EXIT
connection="$(bash "$root/tools/pgcluster.sh" start "$cluster")"
cd build
status=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900 || status=1
VEXA_TEST_PG="$connection" QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900 -L both-engines \
  || status=1
exit "$status"
