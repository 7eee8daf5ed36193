#!/usr/bin/env bash
# Configures and builds Sillabor into build/ (Release) with the release preset
# of CMakePresets.json; with SILLABOR_CI=1, the ci-release preset (warnings are
# errors). Arguments go to the configure step, e.g. -DSILLABOR_BUILD_BENCH=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${SILLABOR_CI:+ci-}release"
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
