#!/usr/bin/env bash
# Installs what is missing, then configures and builds in build/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_BUILD_TESTS=ON -DVANTREL_BUILD_BENCH=ON
cmake --build build -j"$(nproc)"
