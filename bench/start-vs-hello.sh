#!/usr/bin/env bash
# Processor time of one conversion, `vantrel-convert 100 mile km`, as a whole
# process against a C++ hello-world built with the same flags
# (vantrel_hello), run in turn so that both see the same machine load, by
# vantrel_process_times. Without a settings file, and again with one that
# holds custom units and categories.
#
# Usage: bench/start-vs-hello.sh [build folder] [rounds]   (default: build, 301)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
rounds="${2:-301}"
times="$build/bench/vantrel_process_times"
hello="$build/bench/vantrel_hello"
convert="$build/src/cli/vantrel-convert"
for program in "$times" "$hello" "$convert"; do
  [[ -x "$program" ]] || { echo "missing $program: build with bench/CMakeLists.txt first" >&2; exit 2; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/custom/Mensura"
cat >"$work/custom/Mensura/Mensura.ini" <<'INI'
[Settings]
Format=0
Precision=5
[CustomCategories]
Stuff=
[CustomUnits]
widget=@Stuff?val=1?i=0
gadget=@Stuff?val=2.5?i=0
smoot=@Distance?val=170.18?i=0
INI

echo "machine load (1, 5, 15 min): $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores; medians of $rounds rounds"
for config in none custom; do
  echo "settings: $config"
  XDG_CONFIG_HOME="$work/$config" "$times" "$rounds" "$hello" -- "$convert" 100 mile km
done
echo "machine load after: $(cut -d' ' -f1-3 /proc/loadavg)"
