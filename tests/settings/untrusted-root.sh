#!/usr/bin/env bash
# Run from a tmpfs mounted 1777, the programs take no settings file another
# user put at its root and follow no link of theirs there, and say so; the
# user's own linked file is still read and written through. As root "nobody"
# plants; else, in a user namespace, the user does. 77: no tmpfs to mount.
#   untrusted-root.sh VANTREL_CONVERT [VANTREL]
set -u
[[ $(id -u) -ne 0 && -z ${IN_NS:-} ]] && unshare -rm true 2>/dev/null &&
  IN_NS=1 exec unshare -rm bash "$0" "$@"
status=0
fail() { echo "FAIL: $*" >&2 && status=1; }
work=$(mktemp -d) && chmod 755 "$work" && root=$work/drive && mkdir "$root" "$work/config"
mount -t tmpfs -o mode=1777 vantrel "$root" 2>/dev/null || { echo "skipped: no tmpfs" && exit 77; }
trap 'umount "$root"; rm -rf "$work"' EXIT
mkdir "$root/bin" && cp "$@" "$root/bin/" && export XDG_CONFIG_HOME=$work/config
own=$work/config/Mensura/Mensura.ini
plant=(setpriv --reuid=65534 --regid=65534 --clear-groups) && "${plant[@]}" true 2>/dev/null || plant=()
plant() { "${plant[@]}" "$@" || fail "could not plant: $*"; }
convert() {
  [[ $("$root/bin/vantrel-convert" "100 mi in km" 2>"$work/err") == 160.9344 ]] || fail "$1: answer"
  grep -qF "the settings file \"$root/Mensura.ini\" is not trusted: other users may write to its folder; \"$own\" is used instead" "$work/err" || fail "$1: $(cat "$work/err")"
}
session() { # the window, until it has written its start to $1
  [[ -x $root/bin/vantrel ]] || return 0
  QT_QPA_PLATFORM=offscreen "$root/bin/vantrel" &>/dev/null &
  for ((i = 0; i < 600; ++i)); do grep -qs '^\[Visibility\]' "$1" && break || sleep 0.1; done
  kill $! && wait $! || true
  grep -qs '^\[Visibility\]' "$1" || fail "no window session wrote $1"
}
plant sh -c "printf '[CustomUnits]\nkm=@Distance?val=1?i=0\n' > '$root/Mensura.ini'" && convert "planted file"
printf '[Settings]\nFormat=0\n' >"$work/private.ini" && cp "$work/private.ini" "$work/before"
plant rm "$root/Mensura.ini" && plant ln -s "$work/private.ini" "$root/Mensura.ini" && convert "planted link"
session "$own" && cmp -s "$work/private.ini" "$work/before" || fail "the planted link's target was written"
plant rm "$root/Mensura.ini" && mkdir -p "$work/dotfiles" "${own%/*}"
printf '[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n' >"$work/dotfiles/Mensura.ini"
ln -sf "$work/dotfiles/Mensura.ini" "$own"
[[ $("$root/bin/vantrel-convert" 1 smoot cm 2>/dev/null) == 170.18 ]] || fail "own link not read"
session "$work/dotfiles/Mensura.ini" && [[ -L $own ]] || fail "own link replaced"
exit $status
