#!/usr/bin/env bash
# Start-up benchmark: the time from launch to the window mapped on the X
# server (MapNotify, waited for without polling by vantrel_map_wait) of
# vantrel's first start (no settings folder), vantrel's second start (the
# file the first start leaves), and a bare Qt 6 dialog (vantrel_bare_dialog),
# alternating in one run on a virtual display of its own. Prints the medians,
# the ratios and differences to the bare dialog, the machine's load, and
# vantrel's peak memory once its start has finished.
#
# Usage: bench/startup.sh [build folder] [runs of each, at least 15]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-21}"
wait="$build/bench/vantrel_map_wait"
bare="$build/bench/vantrel_bare_dialog"
vantrel="$build/src/app/vantrel"
for program in "$wait" "$bare" "$vantrel"; do
  [[ -x "$program" ]] || { echo "missing $program: build with bench/CMakeLists.txt first" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (apt-get install xvfb)" >&2; exit 2; }

work="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for ((i = 0; i < 200; i++)); do
  [[ -s "$work/display" ]] && break
  sleep 0.05
done
[[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# map_ms of one start; CONFIG is the settings folder's parent.
start() {
  local config="$1"
  shift
  XDG_CONFIG_HOME="$config" "$wait" "$@" | sed -n 's/^map_ms=\([0-9.]*\).*/\1/p'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The second start's folder: what a first start leaves once it has finished.
XDG_CONFIG_HOME="$work/second" "$wait" --linger 1000 "$vantrel" >/dev/null
[[ -s "$work/second/Mensura/Mensura.ini" ]] || { echo "the first start wrote no settings" >&2; exit 1; }
# Warm the caches.
start "$work/warm" "$bare" >/dev/null
start "$work/warm" "$vantrel" >/dev/null

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
: >"$work/bare" && : >"$work/first" && : >"$work/second.ms"
for ((i = 0; i < runs; i++)); do
  start "$work/none" "$bare" >>"$work/bare"
  rm -rf "$work/fresh"
  start "$work/fresh" "$vantrel" >>"$work/first"
  start "$work/none" "$bare" >>"$work/bare"
  start "$work/second" "$vantrel" >>"$work/second.ms"
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

rm -rf "$work/fresh"
peak_first="$(XDG_CONFIG_HOME="$work/fresh" "$wait" --linger 1000 "$vantrel" | sed -n 's/.*peak_kB=//p')"
peak_second="$(XDG_CONFIG_HOME="$work/second" "$wait" --linger 1000 "$vantrel" | sed -n 's/.*peak_kB=//p')"

bare_ms="$(median <"$work/bare")"
first_ms="$(median <"$work/first")"
second_ms="$(median <"$work/second.ms")"
echo "launch to window mapped, medians of $runs runs each (bare dialog: $((2 * runs)) runs), alternating"
echo "machine load (1, 5, 15 min): before $load_before, after $load_after; $(nproc) cores"
awk -v b="$bare_ms" -v f="$first_ms" -v s="$second_ms" 'BEGIN {
  printf "bare Qt 6 dialog   %7.2f ms\n", b
  printf "vantrel, 1st start %7.2f ms   ratio %.3f   %+.2f ms\n", f, f / b, f - b
  printf "vantrel, 2nd start %7.2f ms   ratio %.3f   %+.2f ms\n", s, s / b, s - b
}'
echo "vantrel peak memory once started: first start $((peak_first / 1024)) MB, second start $((peak_second / 1024)) MB"
