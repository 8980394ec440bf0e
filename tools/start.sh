#!/usr/bin/env bash
# Fresh machine to a running program: install the packages, build, lay out the
# program folder beside the executables (once) and start the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
HOME_DIR="build/bin"
if [ ! -f "$HOME_DIR/DB/vexa.db" ]; then
  build/bin/vexa-cli --home "$HOME_DIR" init
fi
exec build/bin/vexa --home "$HOME_DIR"
