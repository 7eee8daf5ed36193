#!/usr/bin/env bash
# The first search of a process on the large dictionary, with and without the
# index cache files beside its prepared file ("j_r_Grande.<kind>"): each
# command's whole process, median of RUNS runs after a warm-up (hyperfine),
# minus the median of a bare load (`dizio carica`). "cold" removes the cache
# files before every run (the first search after a new dictionary), "cached"
# keeps them (every later process). Also the peak resident memory of a load
# and of a cached Cerca, Metagr and Trova search.
# Usage: bench/first-search.sh [BUILD_DIR] [RUNS]   (default: build, 5)
# The data folder is $SILLABOR_BENCH_DATA or bench/data (made when missing).
# The table goes to bench/results/.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
build="${1:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
runs="${2:-5}"
# Wall-clock medians, or with SILLABOR_BENCH_CPU=1 the mean CPU time (user and
# system), which a busy machine disturbs less.
measure=.median
[[ "${SILLABOR_BENCH_CPU:-}" == 1 ]] && measure="(.user + .system)"
cli="$build/sillabor-cli"
data="${SILLABOR_BENCH_DATA:-$here/data}"
results="$here/results"

[[ -x "$cli" ]] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
for tool in hyperfine jq; do
    if ! command -v "$tool" > /dev/null; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$tool"
    fi
done
[[ -f "$data/words-large.txt" ]] || "$here/make-large-dictionary.sh" "$data"
mkdir -p "$results"
folder="$data/Dizionari/Grande"
[[ -f "$folder/j_r_Grande" ]] || "$cli" --cartella "$data" --dizionario Grande dizio carica > /dev/null

base="'$cli' --cartella '$data' --dizionario Grande"
commands=(
    "cerca --categoria 1 portafoglio" "cerca --categoria 2 cantare" "cerca --categoria 3 mare"
    "cerca --categoria 4 mare" "cerca --categoria 5 esaletomarinepoatrcsniloe"
    "cerca --categoria 6 cantare" "cerca --categoria 7 mare"
    "metagr --aggiunta-scarto --metanagramma pennello forbice"
)
for game in scambi cambi antipodi-iniziali antipodi-finali metatesi scarti cambi-antipodo \
            bifronti-iniziale bifronti-finale bifronti-entrambe sciarade sciarade-incatenate \
            anagrammi intarsi lucchetti cerniere; do
    commands+=("--seme 1 trova --lettere r l $game")
done

median_ms() {  # command, prepare
    local json
    json="$(mktemp)"
    hyperfine -N -w 1 -r "$runs" ${2:+--prepare "$2"} --export-json "$json" "$1" > /dev/null 2>&1
    jq ".results[0] | $measure * 1000 | round" "$json"
    rm -f "$json"
}

rss="$(mktemp)"
trap 'rm -f "$rss"' EXIT
out="$results/first-search-$(date +%Y-%m-%d_%H%M%S).txt"
{
    load=$(median_ms "$base dizio carica")
    echo "load (dizio carica): $load ms, whole process"
    printf '%-60s %10s %10s\n' "command (minus a load)" "cold ms" "cached ms"
    for c in "${commands[@]}"; do
        cold=$(median_ms "$base $c" "find '$folder' -name 'j_r_Grande.*' -delete")
        "$cli" --cartella "$data" --dizionario Grande $c > /dev/null 2>&1  # writes the files
        cached=$(median_ms "$base $c")
        printf '%-60s %10d %10d\n' "$c" $((cold - load)) $((cached - load))
    done
    echo
    echo "peak resident memory:"
    for c in "dizio carica" "cerca --categoria 3 mare" "metagr --aggiunta-scarto --metanagramma pennello forbice" \
             "--seme 1 trova --lettere r l cerniere"; do
        "$cli" --cartella "$data" --dizionario Grande $c > /dev/null 2>&1  # the files, if missing
        /usr/bin/time -f %M -o "$rss" "$cli" --cartella "$data" --dizionario Grande $c > /dev/null 2>&1
        printf '  %-58s %8d KB\n' "$c" "$(tail -n 1 "$rss")"
    done
} | tee "$out"
echo "written: $out"
