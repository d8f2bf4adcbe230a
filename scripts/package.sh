#!/usr/bin/env bash
# Builds the Debian package build-package/vantrel_VERSION_ARCH.deb with
# Debian's hardening flags, and checks it with lintian.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/install-deps.sh packaging
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# "None": the flags above alone, as Debian's own packages are built.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DVANTREL_BUILD_TESTS=OFF \
  -DVANTREL_BUILD_BENCH=OFF
cmake --build build-package -j"$(nproc)"
rm -f build-package/vantrel_*.deb
(cd build-package && cpack -G DEB)
deb="$(ls build-package/vantrel_*.deb)"
echo "made $deb"
if command -v lintian >/dev/null; then
  lintian --display-info "$deb"
fi
