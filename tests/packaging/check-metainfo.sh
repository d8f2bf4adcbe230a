#!/usr/bin/env bash
# The software-centre metadata passes the validator, infos included, and its
# newest release is the project's version. Skips (status 77) without
# appstreamcli.
#   check-metainfo.sh METAINFO VERSION
set -u
metainfo="$1"
version="$2"
if ! command -v appstreamcli >/dev/null; then
  echo "appstreamcli is not installed: skipped"
  exit 77
fi
appstreamcli validate --no-net --strict "$metainfo" || exit 1
newest="$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
if [[ "$newest" != "$version" ]]; then
  echo "the newest release is '$newest', the project's version $version: add a <release>" >&2
  exit 1
fi
