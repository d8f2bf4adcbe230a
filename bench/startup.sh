#!/usr/bin/env bash
# Start-up benchmark: the time from launch to the window mapped on the X
# server (MapNotify, waited for without polling by vantrel_map_wait) of
# vantrel's first start (no settings folder), vantrel's second start (the
# file the first start leaves), a bare Qt 6 dialog (vantrel_bare_dialog) and
# the same dialog with one label (the bare one never loads a font), alternating
# in one run on a virtual display of its own. Prints the medians, the ratios
# and differences to the bare dialog, the machine's load, and vantrel's peak
# memory once its start has finished.
#
# Usage: bench/startup.sh [build folder] [runs of each, at least 15] [vantrel]
#                         [language]
# (vantrel, to time another build of the program with this build's tools;
# a language, "de", times vantrel's second start in it too, as LANGUAGE
# chooses it, alternating with the second start in English)
# On a machine busy with other work, run it as root under `nice -n -15`: the
# started programs and the X server inherit the priority. Where the kernel
# groups processes by session (/proc/sys/kernel/sched_autogroup_enabled), nice
# weighs only inside a group: lower the other sessions' groups too, e.g.
# `echo 19 > /proc/PID/autogroup` for a long job's PID.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-21}"
wait="$build/bench/vantrel_map_wait"
bare="$build/bench/vantrel_bare_dialog"
vantrel="${3:-$build/src/app/vantrel}"
language="${4:-}"
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
# A session bus of its own, as a desktop has: without one, the first program
# that asks for it (Qt's accessibility bridge does, as soon as a list view
# exists) tries to start one on every launch.
bus="none"
if command -v dbus-daemon >/dev/null; then
  read -r DBUS_SESSION_BUS_ADDRESS bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d' ')
  export DBUS_SESSION_BUS_ADDRESS
  trap 'kill $xvfb $bus_pid 2>/dev/null; rm -rf "$work"' EXIT
  bus="a private dbus-daemon"
fi

# "map_ms cpu_ms" of one start; CONFIG is the settings folder's parent. The
# program speaks English unless SPEAK names a language.
export LANGUAGE=en
start() {
  local config="$1"
  shift
  LANGUAGE="${SPEAK:-en}" XDG_CONFIG_HOME="$config" "$wait" "$@" |
    sed -n 's/^map_ms=\([0-9.]*\) cpu_ms=\([0-9.]*\).*/\1 \2/p'
}
# The median of column N (1: wall time, 2: processor time) of a file.
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The second start's folder: what a first start leaves once it has finished.
XDG_CONFIG_HOME="$work/second" "$wait" --linger 1000 "$vantrel" >/dev/null
[[ -s "$work/second/Mensura/Mensura.ini" ]] || { echo "the first start wrote no settings" >&2; exit 1; }
# Warm the caches.
start "$work/warm" "$bare" >/dev/null
start "$work/warm" "$vantrel" >/dev/null

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
: >"$work/bare" && : >"$work/first" && : >"$work/second.ms" && : >"$work/label" && : >"$work/language"
for ((i = 0; i < runs; i++)); do
  start "$work/none" "$bare" >>"$work/bare"
  rm -rf "$work/fresh"
  start "$work/fresh" "$vantrel" >>"$work/first"
  start "$work/none" "$bare" >>"$work/bare"
  start "$work/second" "$vantrel" >>"$work/second.ms"
  start "$work/none" "$bare" --label >>"$work/label"
  if [[ -n "$language" ]]; then
    SPEAK="$language" start "$work/second" "$vantrel" >>"$work/language"
    start "$work/second" "$vantrel" >>"$work/second.ms"
  fi
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

rm -rf "$work/fresh"
peak_first="$(XDG_CONFIG_HOME="$work/fresh" "$wait" --linger 1000 "$vantrel" | sed -n 's/.*peak_kB=//p')"
peak_second="$(XDG_CONFIG_HOME="$work/second" "$wait" --linger 1000 "$vantrel" | sed -n 's/.*peak_kB=//p')"

echo "launch to window mapped, medians of $runs runs each (bare dialog: $((2 * runs)) runs), alternating"
echo "machine load (1, 5, 15 min): before $load_before, after $load_after; $(nproc) cores; session bus: $bus"
echo "                   wall time                        processor time used by then"
awk -v b="$(median "$work/bare" 1)" -v f="$(median "$work/first" 1)" \
  -v s="$(median "$work/second.ms" 1)" -v bc="$(median "$work/bare" 2)" \
  -v l="$(median "$work/label" 1)" -v lc="$(median "$work/label" 2)" \
  -v fc="$(median "$work/first" 2)" -v sc="$(median "$work/second.ms" 2)" 'BEGIN {
  printf "bare Qt 6 dialog   %7.2f ms                       %7.2f ms\n", b, bc
  printf "vantrel, 1st start %7.2f ms  ratio %.3f  %+6.2f ms  %7.2f ms  %+6.2f ms\n", f, f / b, f - b, fc, fc - bc
  printf "vantrel, 2nd start %7.2f ms  ratio %.3f  %+6.2f ms  %7.2f ms  %+6.2f ms\n", s, s / b, s - b, sc, sc - bc
  printf "dialog with a label%7.2f ms  ratio %.3f  %+6.2f ms  %7.2f ms  %+6.2f ms\n", l, l / b, l - b, lc, lc - bc
}'
if [[ -n "$language" ]]; then
  echo "(the 2nd start in English: $((2 * runs)) runs, alternating with those in $language)"
  awk -v s="$(median "$work/second.ms" 1)" -v sc="$(median "$work/second.ms" 2)" \
    -v t="$(median "$work/language" 1)" -v tc="$(median "$work/language" 2)" -v name="$language" 'BEGIN {
    printf "2nd start in %-6s%7.2f ms  %+6.2f ms than in English  %7.2f ms  %+6.2f ms\n", name, t, t - s, tc, tc - sc
  }'
fi
echo "vantrel peak memory once started: first start $((peak_first / 1024)) MB, second start $((peak_second / 1024)) MB"
