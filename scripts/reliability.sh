#!/usr/bin/env bash
# The reliability stages that continuous integration runs after the README's
# tests, with clang:
#   1. the core and command-line tests under AddressSanitizer and
#      UndefinedBehaviorSanitizer (with the fuzz corpora and the hostile-input
#      catalogue among them);
#   2. every fuzz target for SECONDS seconds (default 15), from the same build;
#   3. the start/stop stress under ThreadSanitizer.
# Usage: scripts/reliability.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
scripts/install-deps.sh clang libclang-rt-14-dev

# Any report ends the program that made it, so that no test passes over one.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:abort_on_error=1:second_deadlock_stack=1
# Line tables are enough for the reports, and keep the builds short.
flags=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
       -DCMAKE_CXX_COMPILER=clang++ -DSILLABOR_BUILD_SHELL=OFF)

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-fuzz "${flags[@]}" -DSILLABOR_BUILD_FUZZ=ON -DSILLABOR_SANITIZE=address,undefined >/dev/null
cmake --build build-fuzz -j "$(nproc)"
ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)" -E '^stress$'

echo "== Fuzzing, ${seconds} s a target"
SILLABOR_FUZZ_BUILD=build-fuzz scripts/fuzz.sh "$seconds"

echo "== Start and stop stress under ThreadSanitizer"
cmake -S . -B build-tsan "${flags[@]}" -DSILLABOR_SANITIZE=thread >/dev/null
cmake --build build-tsan --target sillabor_stress -j "$(nproc)"
ctest --test-dir build-tsan --output-on-failure -R '^stress$'
