#!/usr/bin/env bash
# Times all anagrams of a phrase (at most four words) by sillabor-cli, an and
# wordplay over the same word list (Default's folded a-z words), and compares
# the three result sets as sets of sorted word lists. With perf, it also gives
# CPU times: sillabor-cli's whole process minus a bare load of the dictionary,
# against wordplay's (a mean of RUNS runs each; wordplay once).
# Usage: bench/compare-anagrams.sh [PHRASE]   (run from the repository root, after a build)
set -euo pipefail
cd "$(dirname "$0")/.."
phrase=${1:-"marco polo viaggiatore"}
letters=$(printf '%s' "$phrase" | tr -cd 'a-z')
cli=build/sillabor-cli
out=bench/results/anagrams
mkdir -p "$out"
for p in an wordplay hyperfine; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || apt-get install -y -qq "$p" >/dev/null
done

# The same words for everyone: Default exported in byte order.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Dizionari/Default"
cp Dizionari/Default/italian.txt "$work/Dizionari/Default/"
"$cli" --cartella "$work" dizio esporta --ordine alfab >/dev/null 2>&1
words="$out/words.txt"
cp "$work/Salvataggi/Dizionario.txt" "$words"

ours=("$cli" --cartella "$work" anagr "$phrase" --parole-max 4 --espanso --limite 0)
theirs_an=(/usr/games/an -d "$words" -l 4 "$letters")
theirs_wp=(/usr/games/wordplay "$letters" -s -a -v -d4 -f "$words")

"${ours[@]}" > "$out/ours.txt" 2>/dev/null
"${theirs_an[@]}" > "$out/an.txt"
"${theirs_wp[@]}" > "$out/wordplay.txt"

python3 - "$out" <<'PY'
import sys
out = sys.argv[1]
def sets(name):
    with open(f"{out}/{name}.txt") as f:
        return {" ".join(sorted(line.lower().split())) for line in f if line.strip()}
ours, an, wp = sets("ours"), sets("an"), sets("wordplay")
print(f"distinct anagrams: sillabor {len(ours)}, an {len(an)}, wordplay {len(wp)}")
for name, other in (("an", an), ("wordplay", wp)):
    print(f"  only in sillabor vs {name}: {len(ours - other)}; only in {name}: {len(other - ours)}")
    for sample in sorted(other - ours)[:5]:
        print(f"    e.g. only in {name}: {sample}")
    for sample in sorted(ours - other)[:5]:
        print(f"    e.g. only in sillabor: {sample}")
PY

hyperfine --warmup 1 --runs "${RUNS:-5}" --export-markdown "$out/times.md" \
  -n sillabor "$(printf '%q ' "${ours[@]}") > /dev/null 2>&1" \
  -n an "$(printf '%q ' "${theirs_an[@]}") > /dev/null" \
  -n wordplay "$(printf '%q ' "${theirs_wp[@]}") > /dev/null"
cat "$out/times.md"

if command -v perf >/dev/null; then
  cpu_ms() {  # mean task-clock of $1 runs of the rest of the line, in ms
    local runs=$1 total=0 t; shift
    for _ in $(seq "$runs"); do
      t=$(perf stat -x, -e task-clock "$@" 2>&1 >/dev/null | awk -F, '/task-clock/ {print $1}')
      total=$(echo "$total + $t" | bc)
    done
    echo "scale=1; $total / $runs" | bc
  }
  search=$(cpu_ms "${RUNS:-5}" "${ours[@]}")
  load=$(cpu_ms "${RUNS:-5}" "$cli" --cartella "$work" dizio carica)
  wp=$(cpu_ms 1 "${theirs_wp[@]}")
  echo "CPU ms: sillabor $search (a bare load $load), wordplay $wp;" \
       "wordplay / (sillabor - load) = $(echo "scale=1; $wp / ($search - $load)" | bc)"
fi
