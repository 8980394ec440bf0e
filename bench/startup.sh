#!/usr/bin/env bash
# Start of the desktop program to its main window, on a database already at
# layout version "979": lays out a program folder with vexa-cli init, then
# starts vexa RUNS times with --quit-when-shown (no 2 s splash wait, no changes
# page) and prints each wall-clock time and the median. Budget: 1 s.
#
#   bench/startup.sh [BIN_DIR] [RUNS]      BIN_DIR defaults to build/bin
set -euo pipefail

bin=${1:-build/bin}
runs=${2:-10}
[[ -x "$bin/vexa" && -x "$bin/vexa-cli" ]] || { echo "vexa and vexa-cli not found in $bin" >&2; exit 2; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$bin/vexa-cli" --home "$home" init >/dev/null
printf 'EXIBIR=1\r\n' >"$home/Config"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
start() {
  # A message box would wait for a user: a start that does not end in time is a failure.
  timeout 30 "$bin/vexa" --home "$home" --quit-when-shown >/dev/null 2>&1
}

# The first start on a new folder may finish the layout upgrade; it is not timed.
start || { echo "the first start failed or did not end (exit $?)" >&2; exit 1; }

times=()
for ((i = 1; i <= runs; i++)); do
  t0=$(date +%s%N)
  start || { echo "run $i failed or did not end" >&2; exit 1; }
  t1=$(date +%s%N)
  ms=$(((t1 - t0) / 1000000))
  times+=("$ms")
  echo "run $i: ${ms} ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2))}')
echo "median start to main window: ${median} ms (budget 1000 ms)"
[[ $median -le 1000 ]]
