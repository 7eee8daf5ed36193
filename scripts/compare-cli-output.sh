#!/usr/bin/env bash
# Runs a few hundred sillabor-cli commands on the Default dictionary with the
# build of a given revision and with the current build, and compares what they
# print: standard output byte for byte, the exit code, and standard error
# without its timing. For refactorings that must not change behaviour.
# Usage: scripts/compare-cli-output.sh [REVISION, default HEAD] [current build folder, default build]
# REVISION may also be a sillabor-cli already built from the reference revision.
set -euo pipefail
cd "$(dirname "$0")/.."
rev="${1:-HEAD}"
current="$(realpath "${2:-build}")/sillabor-cli"
[ -x "$current" ] || { echo "manca $current: esegui prima scripts/build.sh" >&2; exit 2; }

work="$(mktemp -d)"
trap 'git worktree remove --force "$work/src" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

if [ -f "$rev" ] && [ -x "$rev" ]; then
    reference="$(realpath "$rev")"
else
git worktree add --detach "$work/src" "$rev" >/dev/null 2>&1
# The reference is built as that revision builds itself: with its release
# preset, or with the same flags by hand for a revision older than the presets.
if [ -f "$work/src/CMakePresets.json" ]; then
    (cd "$work/src" && cmake --preset release -B "$work/build" \
                             -DSILLABOR_BUILD_SHELL=OFF -DSILLABOR_BUILD_TESTS=OFF >/dev/null)
else
    cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DSILLABOR_BUILD_SHELL=OFF -DSILLABOR_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$work/build" --target sillabor-cli -j "$(nproc)" >/dev/null
reference="$work/build/sillabor-cli"
fi

# The commands, one per line, as arguments after the global options.
commands="$work/commands.txt"
words=$(grep -E '^[a-z]{4,9}$' Dizionari/Default/italian.txt | awk 'NR % 997 == 0' | head -60)
{
    for w in $words; do
        echo "cerca $w"
        echo "parole --pattern ${w:0:2}*${w: -1}"
    done
    for w in $(echo "$words" | head -30); do
        echo "anagr $w --parole-max 2"
        echo "cerca --categoria 8 $w"
    done
    cat <<'EOF'
anagr "marco polo"
anagr "marco polo" --parole-max 2 --lung-min 3
anagr "marco polo" --schema "5 4"
anagr "marco polo" --fissa roma
anagr "marco polo" --mostra-in
anagr "marco polo" --espanso --parole-max 3
anagr "marco polo" --a-capo --parole-min 2
anagr "marco polo" --filtra tutte --pattern "*o"
anagr "marco polo" --filtra una --pattern "m*"
anagr "la vita e bella" --parole-max 3 --limite 500
anagr "" 
anagr "xyz"
anagr "marco polo" --schema "2 x"
parole --pattern 1221
parole --pattern "+-+-+-+"
parole --pattern "*zz*" --min 8
parole --pattern "[aeiou]*[aeiou]" --max 4
parole --pattern "(aeiou)*" --max 3
parole --pattern "*are" --pattern2 "c*" --modo2 soddisfa
parole --pattern "*are" --pattern2 "c*" --modo2 soddisfa --o
parole --pattern "*are" --pattern2 "c*" --modo2 non
parole --solo "aeimnrt" --min 6
parole --solo "2a c r" 
parole --obbligati "ss zz" --max 9
parole --proibiti "a e i" --min 7
parole --pattern "ABC"
parole --pattern "@1?#1"
parole --pattern "|ca|*"
parole --pattern "*,e <mare>"
parole --pattern "["
parole --pattern "((("
parole --min ab
parole --pattern "*" --min 20
cerca ""
cerca "!!!"
cerca "ma re"
cerca "MARE"
cerca "m*re"
cerca "**re"
cerca "***e"
cerca "città"
cerca --categoria 8 "c*sa"
dizio elenco
dizio carica
EOF
} >"$commands"

run_all() {
    local binary="$1" out="$2"
    local folder="$work/folder-$(basename "$out")"
    mkdir -p "$folder/Dizionari/Default" "$out"
    cp Dizionari/Default/italian.txt "$folder/Dizionari/Default/"
    local n=0
    while IFS= read -r line; do
        n=$((n + 1))
        set +e
        eval "\"$binary\" --cartella \"$folder\" --seme 7 $line" >"$out/$n.out" 2>"$out/$n.err"
        echo $? >"$out/$n.code"
        set -e
        # The timing of the status line is the one thing allowed to differ.
        sed -i -E 's/ in [0-9]+\.[0-9]+ sec$/ in T sec/; s/ [0-9]+\.[0-9]+ sec$/ T sec/; s/\([0-9]+\.[0-9]+ sec\)/(T sec)/' "$out/$n.err"
    done <"$commands"
    echo "$n"
}

count=$(run_all "$reference" "$work/before")
run_all "$current" "$work/after" >/dev/null
if diff -r "$work/before" "$work/after" >"$work/diff.txt"; then
    echo "identici: $count comandi"
else
    head -50 "$work/diff.txt"
    echo "DIFFERENZE: vedi sopra" >&2
    exit 1
fi
