#!/usr/bin/env bash
# Runs one fuzz target at the lowest priority, then keeps what it found:
#   bash fuzz/run.sh TARGET [RUNS]      (RUNS defaults to 10 million)
# The working corpus grows in build-fuzz/corpus/TARGET from the seeds in
# fuzz/corpus/TARGET; the log goes to build-fuzz/logs/TARGET.log. At the end
# the inputs that reach code the seeds do not are merged (minimised) into
# fuzz/corpus/TARGET, which the replay test runs in every build. A finding
# stops the run and leaves crash-*/leak-*/timeout-* in build-fuzz/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
target="${1:?usage: fuzz/run.sh TARGET [RUNS]}"
runs="${2:-10000000}"
# Longer settings files only repeat lines, and each run reads every line many times.
declare -A max_len=([eval_fuzz]=1100 [settings_file_fuzz]=1024 [custom_unit_fuzz]=512
                    [number_base_fuzz]=256)
[[ -n "${max_len[$target]:-}" ]] || { echo "unknown target: $target" >&2; exit 2; }

if [[ ! -f build-fuzz/CMakeCache.txt ]]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVANTREL_BUILD_FUZZ=ON -DVANTREL_BUILD_TESTS=OFF \
    -DVANTREL_BUILD_BENCH=OFF -DVANTREL_BUILD_GUI=OFF
fi
nice -n 19 cmake --build build-fuzz -j2 --target "$target"

seeds="fuzz/corpus/$target"
work="build-fuzz/corpus/$target"
mkdir -p "$work" build-fuzz/logs
cd build-fuzz
nice -n 19 "fuzz/$target" -runs="$runs" -max_len="${max_len[$target]}" -timeout=10 \
  -dict="../fuzz/${target%_fuzz}.dict" -print_final_stats=1 \
  "../$work" "../$seeds" >"logs/$target.log" 2>&1
nice -n 19 "fuzz/$target" -merge=1 "../$seeds" "../$work" >"logs/$target.merge.log" 2>&1
grep -E "DONE|stat::number_of_executed_units" "logs/$target.log"
tail -n 1 "logs/$target.merge.log"
