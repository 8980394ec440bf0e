#!/usr/bin/env bash
# Fresh machine to passing tests: install the packages, build, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_WERROR=ON
cmake --build build
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900
