#!/usr/bin/env bash
# Builds the converter and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/build.sh
exec build/src/cli/vantrel-convert --help
