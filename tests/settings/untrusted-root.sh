#!/usr/bin/env bash
# Programs started from a file system whose top folder anyone may write to (a
# tmpfs mounted 1777) take no settings file another user put there, nor follow
# another user's link there into the user's own file; they say so and keep the
# settings in the user's folder. The user's own linked settings file is still
# read and written through its link.
#   untrusted-root.sh VANTREL_CONVERT [VANTREL]
# As root: the files are planted by "nobody". As another user: in a user
# namespace of one's own, where the planter is the user (the folder is
# shared all the same). Skipped (77) where neither can mount a tmpfs.
set -u
convert=$1
window=${2:-}
skip() {
  echo "skipped: $*"
  exit 77
}
if [[ $(id -u) -ne 0 ]]; then
  [[ -z ${VANTREL_IN_NAMESPACE:-} ]] && unshare --user --map-root-user --mount true 2>/dev/null &&
    exec env VANTREL_IN_NAMESPACE=1 unshare --user --map-root-user --mount bash "$0" "$@"
  skip "mounting a tmpfs needs root or a user namespace (unshare --user --map-root-user)"
fi
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

work=$(mktemp -d)
chmod 755 "$work"  # the planter reaches the drive through it
root=$work/drive
mkdir "$root"
mount -t tmpfs -o mode=1777,size=64m vantrel-untrusted "$root" ||
  { rm -rf "$work"; skip "cannot mount a tmpfs here"; }
trap 'umount "$root"; rm -rf "$work"' EXIT
mkdir "$root/bin" "$work/config"
cp "$convert" ${window:+"$window"} "$root/bin/"
export XDG_CONFIG_HOME=$work/config
own=$work/config/Mensura/Mensura.ini

planter=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if ! "${planter[@]}" true 2>/dev/null; then
  planter=()
  echo "note: no other user to plant as; the files are the user's own in a shared folder"
fi
plant() { "${planter[@]}" "$@" || fail "could not plant: $*"; }

# A file planted at the root changes no answer, and the warning says why.
plant sh -c "printf '[CustomUnits]\nkm=@Distance?val=1?i=0\n' > '$root/Mensura.ini'"
answer=$("$root/bin/vantrel-convert" "100 mi in km" 2>"$work/err")
[[ $answer == 160.9344 ]] || fail "planted file: answer '$answer'"
grep -qF "the settings file \"$root/Mensura.ini\" is not trusted: other users may write to its folder; \"$own\" is used instead" "$work/err" ||
  fail "planted file: no warning: $(cat "$work/err")"

# Another user's link to the user's private file: a window session leaves
# that file byte for byte as it was, and writes the user's own file instead.
private=$work/private.ini
printf '[Settings]\nFormat=0\nPrecision=5\n' >"$private"
chmod 600 "$private"
cp "$private" "$work/private.before"
plant rm "$root/Mensura.ini"
plant ln -s "$private" "$root/Mensura.ini"
answer=$("$root/bin/vantrel-convert" "100 mi in km" 2>"$work/err")
[[ $answer == 160.9344 ]] || fail "planted link: answer '$answer'"
grep -q "is not trusted" "$work/err" || fail "planted link: no warning: $(cat "$work/err")"

# A window session: started until it has written its start to the user's
# file (the categories' visibility), then ended.
session() {
  QT_QPA_PLATFORM=offscreen "$root/bin/vantrel" >/dev/null 2>&1 &
  local pid=$! waited=0
  until grep -q '^\[Visibility\]' "$1" 2>/dev/null || ((waited >= 600)); do
    sleep 0.1
    waited=$((waited + 1))
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  grep -q '^\[Visibility\]' "$1" || fail "the window wrote no settings to $1"
}
if [[ -n $window ]]; then
  session "$own"
  cmp -s "$private" "$work/private.before" || fail "the planted link's target was changed"
fi

# The user's own link, as a dotfile manager makes it, is read and written through.
plant rm "$root/Mensura.ini"
mkdir "$work/dotfiles"
printf '[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n' >"$work/dotfiles/Mensura.ini"
mkdir -p "$(dirname "$own")"
ln -sf "$work/dotfiles/Mensura.ini" "$own"
answer=$("$root/bin/vantrel-convert" 1 smoot cm 2>"$work/err")
[[ $answer == 170.18 ]] || fail "own link: answer '$answer' $(cat "$work/err")"
if [[ -n $window ]]; then
  session "$work/dotfiles/Mensura.ini"
  [[ -L $own ]] || fail "own link: the link was replaced"
fi

((failures == 0)) || exit 1
echo "passed"
