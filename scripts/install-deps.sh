#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need
# (debian-packages.txt), and those of the named extras
# (debian-packages-NAME.txt: screenshots, packaging) when they are missing.
# Runs apt-get as root, or through sudo otherwise.
#   install-deps.sh [NAME...]
# Where it cannot install (not Debian, no sudo, VANTREL_SKIP_DEPS=1) it says
# what is missing and returns 0: the build says what it really needs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

lists=("$here/debian-packages.txt")
for name in "$@"; do
  lists+=("$here/debian-packages-$name.txt")
  [[ -f "${lists[-1]}" ]] || { echo "install-deps.sh: no package list ${lists[-1]}" >&2; exit 2; }
done
wanted=()
while read -r pkg _; do
  [[ -z "$pkg" || "$pkg" == \#* ]] || wanted+=("$pkg")
done < <(cat "${lists[@]}")

# Going on without installing: the build and the tests report what is absent.
go_on() {
  echo "install-deps.sh: $1" >&2
  echo "install-deps.sh: going on; the build says what it needs" >&2
  exit 0
}

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  go_on "this is no Debian system (no dpkg-query or apt-get); the build needs the equivalents of: ${wanted[*]}"
fi
missing=()
for pkg in "${wanted[@]}"; do
  status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
[[ "${VANTREL_SKIP_DEPS:-}" == 1 ]] && go_on "VANTREL_SKIP_DEPS=1: not installing the missing ${missing[*]}"

apt() {
  [[ "$1" == install ]] && echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}
if [[ $(id -u) -eq 0 ]]; then
  sudo=()
  apt update
  apt install -y --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null; then
  sudo=(sudo)
  apt update && apt install -y --no-install-recommends "${missing[@]}" || go_on "sudo apt-get failed: not installed: ${missing[*]}"
else
  go_on "not root and no sudo: not installing the missing ${missing[*]}"
fi
