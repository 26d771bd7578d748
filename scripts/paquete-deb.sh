#!/usr/bin/env bash
# Builds the Debian package build-deb/talpin_<version>_<arch>.deb, with
# Debian's compiler flags, and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev and file compute the library dependencies.
bash scripts/instalar-paquetes.sh $(grep -v '^#' scripts/debian-packages.txt) dpkg-dev file lintian
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-deb -j 2
(cd build-deb && cpack -G DEB)
lintian --fail-on error build-deb/talpin_*.deb
ls build-deb/talpin_*.deb
