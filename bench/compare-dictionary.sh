#!/usr/bin/env bash
# Side-by-side timings of the dictionary against ordinary Unix tools, in one run:
#  (a) loading the large dictionary's prepared file with sillabor-cli
#      vs LC_ALL=C sort -u over the same words;
#  (b) building Default from its source with sillabor-cli
#      vs tr -c 'a-zA-Z' '\n' | LC_ALL=C sort -u over the same source.
# Medians of 10 runs after a warm-up, with hyperfine (user and system times
# are means); then the in-process
# figures of bench/dictionary_bench (no process start, no folder scan).
# Usage: bench/compare-dictionary.sh [BUILD_DIR]   (default: build-bench)
# Results go to bench/results/.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
build="${1:-$repo/build-bench}"
[[ "$build" = /* ]] || build="$repo/$build"
cli="$build/sillabor-cli"
benchexe="$build/bench/dictionary_bench"
data="$here/data"
results="$here/results"

if [[ ! -x "$cli" || ! -x "$benchexe" ]]; then
    echo "build first: cmake -S $repo -B $build -G Ninja -DSILLABOR_BUILD_SHELL=OFF" \
         "-DSILLABOR_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release && ninja -C $build" >&2
    exit 1
fi
if ! command -v hyperfine > /dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq hyperfine
fi

"$here/make-large-dictionary.sh" "$data"
mkdir -p "$results"

# The prepared file of the large dictionary, built once outside the timings.
if [[ ! -f "$data/Dizionari/Grande/j_r_Grande" ]]; then
    "$cli" --cartella "$data" --dizionario Grande dizio carica > /dev/null
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/Dizionari/Default"
cp "$repo/Dizionari/Default/italian.txt" "$tmp/Dizionari/Default/"

stamp="$(date +%Y-%m-%d_%H%M%S)"
load_json="$results/load-$stamp.json"
build_json="$results/build-$stamp.json"
bench_txt="$results/dictionary_bench-$stamp.txt"

echo "== (a) loading the large dictionary ($(wc -l < "$data/words-large.txt") words)"
# The first load writes j_r_Grande.classi (the classes and the byte order);
# every later one takes it. Both are timed, the first with the file removed.
hyperfine --warmup 1 --runs 10 --export-json "$load_json" \
    -n "sillabor-cli dizio carica (Grande), first load" \
    --prepare "rm -f '$data/Dizionari/Grande/j_r_Grande.classi'" \
    "'$cli' --cartella '$data' --dizionario Grande dizio carica > /dev/null" \
    -n "sillabor-cli dizio carica (Grande)" \
    --prepare "true" \
    "'$cli' --cartella '$data' --dizionario Grande dizio carica > /dev/null" \
    -n "LC_ALL=C sort -u words-large.txt" \
    --prepare "true" \
    "LC_ALL=C sort -u '$data/words-large.txt' > /dev/null"

echo
echo "== (b) building Default from its source"
hyperfine --warmup 1 --runs 10 --export-json "$build_json" \
    --prepare "rm -f '$tmp/Dizionari/Default/j_r_Default'" \
    -n "sillabor-cli dizio crea (Default)" \
    "'$cli' --cartella '$tmp' dizio crea > /dev/null" \
    -n "tr -c 'a-zA-Z' '\\n' | LC_ALL=C sort -u" \
    "tr -c 'a-zA-Z' '\\n' < '$repo/Dizionari/Default/italian.txt' | LC_ALL=C sort -u > /dev/null"

echo
echo "== in process (Google Benchmark, medians of 10 repetitions)"
"$benchexe" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=1 2>&1 | grep -E "^(Benchmark|-|BM_.*_median)" | tee "$bench_txt"

# A table of medians from hyperfine's JSON; the last command is the reference.
median_table() {
    jq -r '
        (.results[-1].median) as $ref
        | "| Command | Median [ms] | User [ms] | System [ms] | Min [ms] | Max [ms] | Median / last |",
          "|:---|---:|---:|---:|---:|---:|---:|",
          (.results[] | "| `\(.command | gsub("\\|"; "\\|"))` | \(.median * 1000 | . * 10 | round / 10) | \(.user * 1000 | round) | \(.system * 1000 | round) | \(.min * 1000 | . * 10 | round / 10) | \(.max * 1000 | . * 10 | round / 10) | \(.median / $ref | . * 100 | round / 100) |")
    ' "$1"
}

summary="$results/summary-$stamp.md"
{
    echo "# Dictionary timings, $(date +%Y-%m-%d) on $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
    echo
    echo "## Loading the large dictionary ($(wc -l < "$data/words-large.txt") words)"
    echo
    median_table "$load_json"
    echo
    echo "## Building Default"
    echo
    median_table "$build_json"
    echo
    echo "## In process"
    echo
    echo '```'
    cat "$bench_txt"
    echo '```'
} > "$summary"
echo
echo "results in $summary"
cat "$summary"
