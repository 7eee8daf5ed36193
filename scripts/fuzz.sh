#!/usr/bin/env bash
# Builds every fuzz target of tests/fuzz/ with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), and runs each for SECONDS (default 30)
# from its corpus tests/fuzz/<name>/. A crash, an overflow, undefined
# behaviour, a leak, a time-out or a broken invariant is a finding: its input
# is copied into the corpus as a regression case (replayed by every later run
# and by the tests) and the script exits 1 once every target has run.
# The build is the fuzz preset of CMakePresets.json, in build-fuzz/ (shared with
# the asan-ubsan preset); with SILLABOR_CI=1, its ci- flavour.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
preset="${SILLABOR_CI:+ci-}fuzz"
build=build-fuzz

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"

# The targets write their files in a temporary folder: in memory when there is one.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
findings=0
for source in tests/fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  corpus=tests/fuzz/${target%_fuzz}
  work="$build/fuzz/$target"
  rm -rf "$work/artifacts"
  mkdir -p "$work/corpus" "$work/artifacts" "$corpus"
  echo "== $target: ${seconds} s"
  # New inputs go to the work corpus; the committed one is only read.
  if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
         -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "$corpus" \
         >"$work/log" 2>&1; then
    findings=1
    tail -n 40 "$work/log"
  else
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log" || true
  fi
  for artifact in "$work"/artifacts/*; do
    [ -e "$artifact" ] || continue
    findings=1
    cp "$artifact" "$corpus/regression-$(basename "$artifact")"
    echo "   finding kept as $corpus/regression-$(basename "$artifact")"
  done
done
exit "$findings"
