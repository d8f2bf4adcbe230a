#!/usr/bin/env bash
# Runs one fuzz target at the lowest priority, then keeps what it found:
#   bash fuzz/run.sh TARGET [RUNS]      (RUNS defaults to 10 million)
# The working corpus grows in build-fuzz/corpus/TARGET from the seeds in
# fuzz/corpus/TARGET; the log goes to build-fuzz/logs/TARGET.log. At the end
# fuzz/corpus/TARGET, which the replay test runs in every build, is made anew:
# the seeds written by hand (seed-*) and, of all else found so far, only the
# inputs that reach code those do not, smallest first (by code reached alone
# when counting how often it runs would keep more than a few hundred, and as
# the fewest inputs that reach it all when even that keeps more). A
# finding stops the run and leaves crash-*/leak-*/timeout-* in build-fuzz/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
target="${1:?usage: fuzz/run.sh TARGET [RUNS]}"
runs="${2:-10000000}"
# Longer inputs mostly repeat what shorter ones hold, and slow every run.
declare -A max_len=([eval_fuzz]=1100 [settings_file_fuzz]=1024 [custom_unit_fuzz]=512
                    [number_base_fuzz]=256 [coordinate_text_fuzz]=128 [plain_decimal_fuzz]=1100
                    [query_fuzz]=300)
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
merged="corpus/$target.merged"
for merge in "-merge=1 -use_counters=1" "-merge=1 -use_counters=0" \
             "-set_cover_merge=1 -use_counters=0"; do
  rm -rf "$merged" && mkdir -p "$merged" && cp "../$seeds"/seed-* "$merged"/
  # shellcheck disable=SC2086 # two flags in one word
  nice -n 19 "fuzz/$target" $merge "$merged" "../$seeds" "../$work" >"logs/$target.merge.log" 2>&1
  (($(ls "$merged" | wc -l) <= 300)) && break
done
rm -rf "../$seeds" && mv "$merged" "../$seeds"
grep -E "DONE|stat::number_of_executed_units" "logs/$target.log"
tail -n 1 "logs/$target.merge.log"
echo "$seeds: $(ls "../$seeds" | wc -l) files, $(du -sb "../$seeds" | cut -f1) bytes"
