#!/usr/bin/env bash
# The speed of the thirty "Curio" reports on Default and on the large
# dictionary, as one table: the search time of each report (Google Benchmark,
# medians of REPETITIONS runs, wall clock and CPU), and the totals.
# Usage: bench/curio-figures.sh [BUILD_DIR] [REPETITIONS]   (default: build-bench, 5)
# The data folder is $SILLABOR_BENCH_DATA or bench/data (bench/make-large-dictionary.sh).
# The JSON and the table go to bench/results/.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
build="${1:-$repo/build-bench}"
[[ "$build" = /* ]] || build="$repo/$build"
repetitions="${2:-5}"
benchexe="$build/bench/curio_bench"
results="$here/results"

if [[ ! -x "$benchexe" ]]; then
    echo "build first: cmake -S $repo -B $build -G Ninja -DSILLABOR_BUILD_SHELL=OFF" \
         "-DSILLABOR_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release && ninja -C $build curio_bench" >&2
    exit 1
fi
command -v jq > /dev/null || { echo "jq is needed to make the table (apt-get install jq)" >&2; exit 1; }
mkdir -p "$results"

"$benchexe" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/curio.json" --benchmark_out_format=json > /dev/null

jq -r '
  (if any(.benchmarks[]; .aggregate_name == "median") then "median" else null end) as $kind
  | [.benchmarks[] | select(.aggregate_name == $kind)
   | (.run_name | split("/")) as $part
   | {dictionary: $part[1], code: ($part[2] | tonumber), caption: .label,
      real: .real_time, cpu: .cpu_time}] as $rows
  | def cell($d; $c): ($rows[] | select(.dictionary == $d and .code == $c)
                       | "\(.real * 10 | round / 10) (\(.cpu * 10 | round / 10))") // "-";
    def total($d; $f): ([$rows[] | select(.dictionary == $d) | .[$f]] | add // 0) * 10 | round / 10;
  "| report | Default ms (CPU) | Grande ms (CPU) |",
  "|:---|---:|---:|",
  ([$rows[] | {code, caption}] | unique_by(.code)[]
   | "| \(.code) \(.caption) | \(cell("Default"; .code)) | \(cell("Grande"; .code)) |"),
  "| total | \(total("Default"; "real")) (\(total("Default"; "cpu"))) | \(total("Grande"; "real")) (\(total("Grande"; "cpu"))) |"
' "$results/curio.json" | tee "$results/curio.md"
