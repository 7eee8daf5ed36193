#!/usr/bin/env bash
# The reliability stages that continuous integration runs after the README's
# tests, with clang:
#   1. the core and command-line tests under AddressSanitizer and
#      UndefinedBehaviorSanitizer (with the fuzz corpora and the hostile-input
#      catalogue among them);
#   2. every fuzz target for SECONDS seconds (default 15), from the same build;
#   3. the start/stop stress under ThreadSanitizer;
#   4. a soak of the window: every page with random input and random stops,
#      for SOAK_SECONDS (default 120), on the release build.
# Usage: scripts/reliability.sh [SECONDS] [SOAK_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
soak_seconds=${2:-120}
scripts/install-deps.sh clang libclang-rt-14-dev

# Any report ends the program that made it, so that no test passes over one.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:abort_on_error=1:second_deadlock_stack=1
# The presets of CMakePresets.json; with SILLABOR_CI=1 their ci- flavours, where
# warnings are errors.
flavour="${SILLABOR_CI:+ci-}"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset "${flavour}asan-ubsan" >/dev/null
cmake --build --preset "${flavour}asan-ubsan" -j "$(nproc)"
ctest --preset "${flavour}asan-ubsan" -j "$(nproc)"

echo "== Fuzzing, ${seconds} s a target"
scripts/fuzz.sh "$seconds"

echo "== Start and stop stress under ThreadSanitizer"
cmake --preset "${flavour}tsan" >/dev/null
cmake --build --preset "${flavour}tsan" -j "$(nproc)"
ctest --preset "${flavour}tsan"

echo "== Soak of the window, ${soak_seconds} s"
[ -x build/tests/window_soak_test ] || scripts/build.sh
scripts/install-deps.sh qt6-qpa-plugins
# Qt Test ends a test function after five minutes unless told otherwise.
QT_QPA_PLATFORM=offscreen SILLABOR_SOAK_SECONDS="$soak_seconds" QTEST_FUNCTION_TIMEOUT=$(((soak_seconds + 300) * 1000)) \
    build/tests/window_soak_test
