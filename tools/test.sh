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

# The tests keep to their own temporary folders: they run with a fresh, empty
# TMPDIR inside build/, and what is left in it afterwards, or what is new in
# /tmp, is listed and fails the run. (.X11-unix and .ICE-unix are the display
# servers' socket folders, made by the first virtual display of the machine.)
scratch="$root/build/test-scratch"
rm -rf "$scratch"
mkdir -p "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
ls -A /tmp | LC_ALL=C sort >"$scratch/tmp-before"
status=0
cd build
TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
  ctest -j2 --output-on-failure --timeout 900 || status=1
VEXA_TEST_PG="$connection" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
  ctest -j2 --output-on-failure --timeout 900 -L both-engines || status=1
left=$(cd "$scratch/tmp" && find . -mindepth 1 -maxdepth 1 | LC_ALL=C sort)
if [ -n "$left" ]; then
  printf 'Tests left these in their TMPDIR (%s):\n%s\n' "$scratch/tmp" "$left" >&2
  status=1
fi
gained=$(ls -A /tmp | LC_ALL=C sort | LC_ALL=C comm -13 "$scratch/tmp-before" - | grep -vx -e .X11-unix -e .ICE-unix || true)
if [ -n "$gained" ]; then
  printf 'Tests wrote into /tmp:\n%s\n' "$gained" >&2
  status=1
fi
exit "$status"
