#!/usr/bin/env bash
# The reliability stages that continuous integration runs after the README's
# tests, with clang:
#   1. the core and command-line tests under AddressSanitizer and
#      UndefinedBehaviorSanitizer (with the fuzz corpora and the hostile-input
#      catalogue among them);
#   2. every fuzz target for SECONDS seconds (default 12), from the same build;
#   3. the start/stop stress under ThreadSanitizer;
#   4. a soak of the window: every page with random input and random stops,
#      for SOAK_SECONDS (default 120), on the release build;
#   5. the web page in headless chromium (tests/web/), its WebAssembly built
#      in the background on one core from stage 2 on, while the stages that
#      run one program at a time leave a core idle.
# Usage: scripts/reliability.sh [SECONDS] [SOAK_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-12}
soak_seconds=${2:-120}
# Everything at once: apt must not run while the web page builds.
scripts/install-deps.sh clang libclang-rt-14-dev qt6-qpa-plugins emscripten nodejs python3 chromium

# Any report ends the program that made it, so that no test passes over one.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:abort_on_error=1:second_deadlock_stack=1
# The presets of CMakePresets.json; with SILLABOR_CI=1 their ci- flavours, where
# warnings are errors.
flavour="${SILLABOR_CI:+ci-}"

# Each stage's heading says how long the stages before it took.
stage() { echo "== $1 (from ${SECONDS} s)"; }

stage "Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset "${flavour}asan-ubsan" >/dev/null
cmake --build --preset "${flavour}asan-ubsan" -j "$(nproc)"
ctest --preset "${flavour}asan-ubsan" -j "$(nproc)"

# The build has a process group of its own, to be ended whole if a stage fails.
web_log="$(mktemp)"
SILLABOR_WEB_JOBS=1 setsid nice -n 5 scripts/web.sh --build-only > "$web_log" 2>&1 &
web_build=$!
web_status=
trap '[ -n "$web_status" ] || kill -- -"$web_build" 2>/dev/null || kill "$web_build" 2>/dev/null || true; rm -f "$web_log"' EXIT
web_wait() {
  if [ -z "$web_status" ]; then
    web_status=0
    wait "$web_build" || web_status=$?
  fi
}

stage "Fuzzing, ${seconds} s a target"
scripts/fuzz.sh "$seconds"

stage "Start and stop stress under ThreadSanitizer"
cmake --preset "${flavour}tsan" >/dev/null
cmake --build --preset "${flavour}tsan" -j "$(nproc)"
ctest --preset "${flavour}tsan"

stage "Soak of the window, ${soak_seconds} s"
# (Not while the web build may still use build/ for its sillabor-cli.)
[ -x build/tests/window_soak_test ] || { web_wait; scripts/build.sh; }
# Qt Test ends a test function after five minutes unless told otherwise.
QT_QPA_PLATFORM=offscreen SILLABOR_SOAK_SECONDS="$soak_seconds" QTEST_FUNCTION_TIMEOUT=$(((soak_seconds + 300) * 1000)) \
    build/tests/window_soak_test

stage "The web page"
web_wait
if [ "$web_status" != 0 ]; then
  cat "$web_log"
  echo "the web page did not build" >&2
  exit 1
fi
node --no-experimental-fetch tests/web/compare_test.mjs > "$web_log" 2>&1 || { cat "$web_log"; exit 1; }
tail -n 1 "$web_log"
tests/web/page_check.sh
echo "== Done in ${SECONDS} s"
