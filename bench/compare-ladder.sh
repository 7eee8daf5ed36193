#!/usr/bin/env bash
# Side-by-side timing, in one run, of a word ladder on the large dictionary
# against LC_ALL=C sort -u over the same words: sillabor-cli metagr from
# "formica" to "pianeta" with every option on (additions and removals down to
# one letter, anagrams), the whole process with the dictionary's load. Medians
# of 10 runs after a warm-up, with hyperfine; then the in-process figures of
# bench/ladder_bench.
# Usage: bench/compare-ladder.sh [BUILD_DIR]   (default: build-bench)
# The data folder is $SILLABOR_BENCH_DATA, else bench/data (made when missing).
# Results go to bench/results/.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
build="${1:-$repo/build-bench}"
[[ "$build" = /* ]] || build="$repo/$build"
cli="$build/sillabor-cli"
benchexe="$build/bench/ladder_bench"
data="${SILLABOR_BENCH_DATA:-$here/data}"
results="$here/results"

if [[ ! -x "$cli" || ! -x "$benchexe" ]]; then
    echo "build first: cmake -S $repo -B $build -G Ninja -DSILLABOR_BUILD_SHELL=OFF" \
         "-DSILLABOR_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release && ninja -C $build" >&2
    exit 1
fi
for tool in hyperfine jq; do
    if ! command -v "$tool" > /dev/null; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$tool"
    fi
done

[[ -f "$data/words-large.txt" ]] || "$here/make-large-dictionary.sh" "$data"
mkdir -p "$results"
# The prepared file of the large dictionary, built once outside the timings.
if [[ ! -f "$data/Dizionari/Grande/j_r_Grande" ]]; then
    "$cli" --cartella "$data" --dizionario Grande dizio carica > /dev/null
fi

stamp="$(date +%Y-%m-%d_%H%M%S)"
json="$results/ladder-$stamp.json"
bench_txt="$results/ladder_bench-$stamp.txt"
ladder="'$cli' --cartella '$data' --dizionario Grande metagr formica pianeta --aggiunta-scarto --lung-min 1 --metanagramma"

echo "== the ladder's lines"
eval "$ladder" 2>&1 | tail -n 12

echo
echo "== formica -> pianeta, every option on, against sort -u ($(wc -l < "$data/words-large.txt") words)"
hyperfine --warmup 1 --runs 10 --export-json "$json" \
    -n "sillabor-cli metagr formica pianeta (Grande)" "$ladder > /dev/null 2>&1" \
    -n "LC_ALL=C sort -u words-large.txt" "LC_ALL=C sort -u '$data/words-large.txt' > /dev/null"

echo
echo "== in process (Google Benchmark, medians of 5 repetitions)"
SILLABOR_BENCH_DATA="$data" "$benchexe" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>&1 | grep -E "^(Benchmark|-|BM_.*_median)" | tee "$bench_txt"

summary="$results/ladder-summary-$stamp.md"
{
    echo "# Ladder timings, $(date +%Y-%m-%d) on $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
    echo
    jq -r '
        (.results[-1].median) as $ref
        | "| Command | Median [ms] | User [ms] | System [ms] | Min [ms] | Max [ms] | Median / sort -u |",
          "|:---|---:|---:|---:|---:|---:|---:|",
          (.results[] | "| `\(.command)` | \(.median * 1000 | . * 10 | round / 10) | \(.user * 1000 | round) | \(.system * 1000 | round) | \(.min * 1000 | . * 10 | round / 10) | \(.max * 1000 | . * 10 | round / 10) | \(.median / $ref | . * 100 | round / 100) |")
    ' "$json"
    echo
    echo '```'
    cat "$bench_txt"
    echo '```'
} > "$summary"
echo
echo "results in $summary"
cat "$summary"
