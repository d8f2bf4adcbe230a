#!/usr/bin/env bash
# Builds everything and runs the whole test suite; exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure --no-tests=error -j"$(nproc)"
