#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb desktop-file-utils appstream
scripts/build.sh
ctest --preset "${SILLABOR_CI:+ci-}release" -j "$(nproc)"
