#!/usr/bin/env bash
# Fresh machine to a running program: install the packages, build, lay out the
# program folder beside the executables and start the desktop program.
#
# The first time, the program folder is laid out by the steps of the sample
# main job (examples/run-main-job.sh): init, the sample's taxpayers and
# accountants, and the import of examples/vexa-exemplo.txt, so that the
# program opens on real declarations (January to March 2024). Later starts
# open the folder as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
HOME_DIR="build/bin"
if [ ! -f "$HOME_DIR/DB/vexa.db" ]; then
  if ! bash examples/run-main-job.sh --bin build/bin --home "$HOME_DIR" --until import; then
    # The folder was new: take the half-laid-out database away so that the
    # next start lays it out again.
    rm -rf "$HOME_DIR/DB"
    echo "Não foi possível preparar a pasta do programa com os dados de exemplo." >&2
    exit 1
  fi
fi
exec build/bin/vexa --home "$HOME_DIR"
