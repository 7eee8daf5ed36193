#!/usr/bin/env bash
# Builds the Debian package sillabor_<version>_<arch>.deb into the repository's
# root folder, from the Release build in build/ (the deb package preset of
# CMakePresets.json). Install it with
#   apt install ./sillabor_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) and file work out the package's dependencies.
scripts/install-deps.sh dpkg-dev file
scripts/build.sh
rm -f build/sillabor_*.deb sillabor_*.deb
cpack --preset deb >/dev/null
mv build/sillabor_*.deb .
deb=$(ls sillabor_*.deb)
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
echo "$deb"
