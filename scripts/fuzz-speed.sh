#!/usr/bin/env bash
# Long fuzz runs: each target of tests/fuzz/ (or those named) runs to
# EXECUTIONS executions (default 1,000,000) from its corpus tests/fuzz/<name>/,
# built with libFuzzer alone and optimised (preset fuzz-speed, build-fuzz-speed/)
# so that even the slow targets get there. The sanitizers are not in that
# build, so every input the run found is then replayed under AddressSanitizer
# and UndefinedBehaviorSanitizer (preset fuzz, build-fuzz/, as scripts/fuzz.sh).
# Last, the corpus is minimised into tests/fuzz/<name>/: the inputs named by
# hand and every regression-* stay, the others are kept only while they add
# coverage.
# A crash, a leak, a time-out, undefined behaviour or a broken invariant is a
# finding: its input is copied into the corpus as regression-* and the script
# exits 1 once every target has run.
# Per target it prints the executions, the coverage of libFuzzer's final line
# (cov: edges, ft: features), the corpus size afterwards and the findings.
# SILLABOR_FUZZ_MAX_SECONDS, when set, stops a target's run after that many
# seconds even short of EXECUTIONS (the summary says so).
# Usage: scripts/fuzz-speed.sh [EXECUTIONS] [TARGET...]   (TARGET: anagram, cern, ...)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
shift || true
case "$runs" in '' | *[!0-9]*) echo "EXECUTIONS must be a number: $runs" >&2; exit 2 ;; esac
flavour="${SILLABOR_CI:+ci-}"
speed=build-fuzz-speed
checked=build-fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" _fuzz.cpp)"); done
fi
for name in "${targets[@]}"; do
  if [ ! -f "tests/fuzz/${name}_fuzz.cpp" ]; then echo "no fuzz target $name (tests/fuzz/${name}_fuzz.cpp)" >&2; exit 2; fi
done

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz-speed >/dev/null
cmake --build --preset fuzz-speed -j "$(nproc)"
cmake --preset "${flavour}fuzz" >/dev/null
cmake --build --preset "${flavour}fuzz" -j "$(nproc)"

# The targets write their files in a temporary folder: in memory when there is one.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
limits=(-timeout=10 -rss_limit_mb=2048)
max_seconds=${SILLABOR_FUZZ_MAX_SECONDS:-0}  # 0: no limit
hashed='^[0-9a-f]{40}$'  # the names libFuzzer gives the inputs it keeps
findings=0
summary=()

# Copies the artifacts of a run into the corpus as regression cases; true when there was one.
keep_findings() {
  local artifacts=$1 corpus=$2 found=1 artifact
  for artifact in "$artifacts"/*; do
    [ -e "$artifact" ] || continue
    found=0
    cp "$artifact" "$corpus/regression-$(basename "$artifact")"
    echo "   finding kept as $corpus/regression-$(basename "$artifact")"
  done
  return "$found"
}

for name in "${targets[@]}"; do
  target=${name}_fuzz
  corpus=tests/fuzz/$name
  work=$speed/fuzz/$target
  rm -rf "$work"
  mkdir -p "$work/new" "$work/artifacts" "$work/replay-artifacts" "$work/kept" "$work/pool" "$corpus"
  found=0
  echo "== $target: $runs executions"

  # New inputs go to the scratch folder; the committed corpus is only read.
  start=$SECONDS
  if ! "$speed/tests/fuzz/$target" -runs="$runs" -max_total_time="$max_seconds" "${limits[@]}" -print_final_stats=1 \
         -artifact_prefix="$work/artifacts/" "$work/new" "$corpus" >"$work/log" 2>&1; then
    found=1
    tail -n 40 "$work/log"
  fi
  keep_findings "$work/artifacts" "$corpus" && found=1
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
  final=$(grep -E '^#[0-9]+' "$work/log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$final")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$final")
  echo "   ${executed:-?} executions in $((SECONDS - start)) s; cov: ${cov:-?} ft: ${ft:-?}"

  # What the sanitizers would have caught: the new inputs, replayed under them.
  new_inputs=$(find "$work/new" -type f | wc -l)
  if [ "$new_inputs" -gt 0 ]; then
    if ! "$checked/tests/fuzz/$target" -runs=0 "${limits[@]}" -artifact_prefix="$work/replay-artifacts/" \
           "$work/new" >"$work/replay.log" 2>&1; then
      found=1
      tail -n 40 "$work/replay.log"
    fi
    keep_findings "$work/replay-artifacts" "$corpus" && found=1
  fi
  echo "   $new_inputs new inputs replayed under the sanitizers"

  # The inputs named by hand and the regression cases stay; libFuzzer's own
  # are kept only while they add coverage to those.
  for file in "$corpus"/*; do
    [ -f "$file" ] || continue
    if [[ $(basename "$file") =~ $hashed ]]; then cp "$file" "$work/pool/"; else cp "$file" "$work/kept/"; fi
  done
  if "$speed/tests/fuzz/$target" -merge=1 "${limits[@]}" "$work/kept" "$work/pool" "$work/new" \
       >"$work/merge.log" 2>&1; then
    find "$corpus" -maxdepth 1 -type f -regextype posix-extended -regex '.*/[0-9a-f]{40}' -delete
    find "$work/kept" -maxdepth 1 -type f -regextype posix-extended -regex '.*/[0-9a-f]{40}' -exec cp {} "$corpus/" \;
  else
    found=1
    echo "   the merge failed: the corpus is left as it was"
    tail -n 20 "$work/merge.log"
  fi
  files=$(find "$corpus" -maxdepth 1 -type f | wc -l)
  bytes=$(find "$corpus" -maxdepth 1 -type f -printf '%s\n' | awk '{ n += $1 } END { print n + 0 }')
  echo "   corpus: $files inputs, $bytes bytes"

  [ "$found" -eq 0 ] && verdict=none || verdict=FOUND
  [ "${executed:-0}" -ge "$runs" ] || verdict="$verdict (stopped short)"
  [ "$found" -eq 0 ] || findings=1
  summary+=("$(printf '%-16s %10s %7s %8s %8s  %s' "$name" "${executed:-?}" "${cov:-?}" "${ft:-?}" "$files" "$verdict")")
done

echo
printf '%-16s %10s %7s %8s %8s  %s\n' target executions cov ft corpus findings
printf '%s\n' "${summary[@]}"
exit "$findings"
