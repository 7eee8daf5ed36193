#!/usr/bin/env bash
# Makes a large Italian dictionary working folder for the benchmarks:
#   OUTDIR/Dizionari/Grande/grande_NN.txt   sources of under 10 MB each
#   OUTDIR/Dizionari/Default/italian.txt    a copy of the shipped Default
#   OUTDIR/words-large.txt                  the same words, one per line
# from Debian's hunspell-it, expanded with unmunch: lower-case forms without
# apostrophes, accents folded, a-z words of at most 12 letters, sorted, unique.
# Usage: bench/make-large-dictionary.sh [OUTDIR]   (default: bench/data)
# Does nothing when the folder is already complete.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
out="${1:-$here/data}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

grande="$out/Dizionari/Grande"
default="$out/Dizionari/Default"
words="$out/words-large.txt"
stamp="$out/.large-dictionary-done"

if [[ -f "$stamp" && -f "$words" && -f "$grande/grande_00.txt" && -f "$default/italian.txt" ]]; then
    echo "large dictionary already present in $out ($(wc -l < "$words") words)"
    exit 0
fi

dic=/usr/share/hunspell/it_IT.dic
aff=/usr/share/hunspell/it_IT.aff
missing=()
[[ -f "$dic" && -f "$aff" ]] || missing+=(hunspell-it)
command -v unmunch > /dev/null || missing+=(hunspell-tools)
if ((${#missing[@]})); then
    echo "installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

work="$(mktemp -d "$out/.work.XXXXXX")"
trap 'rm -rf "$work"' EXIT

echo "expanding $dic with unmunch"
unmunch "$dic" "$aff" > "$work/expanded" 2> /dev/null
# unmunch writes the .aff's encoding (UTF-8 today; ISO-8859-1 in older packages).
if ! iconv -f UTF-8 -t UTF-8 "$work/expanded" > /dev/null 2>&1; then
    iconv -f ISO-8859-1 -t UTF-8 "$work/expanded" > "$work/expanded.utf8"
    mv "$work/expanded.utf8" "$work/expanded"
fi

grep -v "'" "$work/expanded" |
    LC_ALL=C.UTF-8 grep -v '[[:upper:]]' |
    LC_ALL=C.UTF-8 sed 'y/àáâãäåèéêëìíîïòóôõöùúûüýÿ/aaaaaaeeeeiiiiooooouuuuyy/' |
    LC_ALL=C grep -x '[a-z]\{1,12\}' |
    LC_ALL=C sort -u > "$work/words"
rm -f "$work/expanded"

mkdir -p "$work/Grande" "$work/Default"
split -C 9M -d -a 2 --additional-suffix=.txt "$work/words" "$work/Grande/grande_"
cp "$repo/Dizionari/Default/italian.txt" "$work/Default/italian.txt"

rm -rf "$grande" "$default"
mkdir -p "$out/Dizionari"
mv "$work/Grande" "$grande"
mv "$work/Default" "$default"
mv "$work/words" "$words"
touch "$stamp"

echo "large dictionary ready in $out: $(wc -l < "$words") words in $(ls "$grande" | wc -l) sources"
