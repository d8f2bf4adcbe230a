#!/usr/bin/env bash
# Builds and tests everything but the Qt targets in build-core/: proves that
# the core and the command line need no Qt.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh
cmake -S . -B build-core -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_BUILD_GUI=OFF \
  -DVANTREL_BUILD_TESTS=ON -DVANTREL_BUILD_BENCH=OFF
cmake --build build-core -j"$(nproc)"
ctest --test-dir build-core --output-on-failure --no-tests=error -j"$(nproc)"
