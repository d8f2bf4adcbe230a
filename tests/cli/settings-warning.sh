#!/usr/bin/env bash
# vantrel-convert with a settings file it cannot use: exactly one warning line
# on standard error naming the file and the reason, the conversion done with
# the defaults, and the file left as it was.
#   settings-warning.sh CONVERT            a folder, a pipe, a file over 16 MB
#   settings-warning.sh CONVERT unreadable a file its user may write but not
#     read, tried by a process that really cannot read it (as root: setpriv
#     to an unused user; skipped, status 77, where that is not possible)
set -u
convert="$1"
mode="${2:-}"
# Beside the program: on another file system the settings would be looked
# for at that file system's root instead.
work="$(mktemp -d "$(dirname "$convert")/warning.XXXXXX")"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0

# check WHAT REASON [RUNNER...]: runs the conversion on $work/$WHAT.
check() {
  local what="$1" reason="$2"
  shift 2
  local config="$work/$what" file="$work/$what/Mensura/Mensura.ini"
  local before out err
  before="$(stat -c '%F %s %Y' "$file")"
  out="$(XDG_CONFIG_HOME="$config" "$@" "$convert" 1 ft cm 2>"$work/err")"
  err="$(cat "$work/err")"
  local want="vantrel-convert: warning: the settings file \"$file\" $reason; going on with the default settings"
  if [[ "$out" != 30.48 || "$err" != "$want" ]]; then
    printf '%s: expected 30.48 and\n  %s\ngot %s and\n  %s\n' "$what" "$want" "$out" "$err" >&2
    failures=$((failures + 1))
  fi
  if [[ "$(stat -c '%F %s %Y' "$file")" != "$before" ]]; then
    echo "$what: the settings file changed" >&2
    failures=$((failures + 1))
  fi
}

make_folder() { mkdir -p "$work/$1/Mensura"; }

if [[ "$mode" == unreadable ]]; then
  make_folder unreadable
  file="$work/unreadable/Mensura/Mensura.ini"
  printf '[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n' >"$file"
  chmod 0200 "$file"
  runner=()
  if [[ "$(id -u)" == 0 ]]; then
    if ! command -v setpriv >/dev/null; then
      echo "setpriv is not available: no unprivileged run" >&2
      exit 77
    fi
    uid=54321
    while getent passwd "$uid" >/dev/null; do uid=$((uid + 1)); done
    chown -R "$uid" "$work/unreadable"
    runner=(setpriv --reuid="$uid" --regid="$uid" --clear-groups)
    if ! "${runner[@]}" test -x "$convert"; then
      echo "user $uid cannot run $convert: no unprivileged run" >&2
      exit 77
    fi
  fi
  check unreadable "cannot be read: Permission denied" "${runner[@]}"
else
  make_folder folder
  mkdir "$work/folder/Mensura/Mensura.ini"
  check folder "cannot be used: it is a folder"
  make_folder pipe
  mkfifo "$work/pipe/Mensura/Mensura.ini"
  check pipe "cannot be used: it is not a regular file"
  make_folder huge
  printf '[Settings]\nFormat=2\n' >"$work/huge/Mensura/Mensura.ini"
  truncate -s 16777217 "$work/huge/Mensura/Mensura.ini"
  check huge "cannot be used: it is larger than 16 MB, far too large for a settings file"
fi
exit $((failures > 0))
