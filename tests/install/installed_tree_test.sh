#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets: the
# list of installed files, a desktop entry and metainfo that their validators
# accept, icons of the sizes their folders say, and programs that, started from
# a folder without dictionaries, set up and use a per-user working folder.
# Usage: installed_tree_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
export LC_ALL=C
cmake="$1" build="$2" source="$3"
fail() { echo "FALLITO: $*" >&2; exit 1; }

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "manca $tool: scripts/install-deps.sh desktop-file-utils appstream"
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/usr"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

(cd "$prefix" && find . -type f | sort) >"$work/files.txt"
diff -u "$source/tests/install/installed_files.txt" "$work/files.txt" || fail "file installati diversi dall'elenco"

desktop-file-validate "$prefix/share/applications/sillabor.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null || {
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
    fail "appstreamcli validate"
}
for size in 48 256; do
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dims=$(od --endian=big -An -tu4 -j16 -N8 "$prefix/share/icons/hicolor/${size}x${size}/apps/sillabor.png" | xargs)
    [ "$dims" = "$size $size" ] || fail "icona ${size}x${size}: $dims"
done

[ "$("$prefix/bin/sillabor-cli" --version)" = "sillabor-cli 2.0" ] || fail "sillabor-cli --version"
[ "$("$prefix/bin/sillabor" --version)" = "sillabor 2.0" ] || fail "sillabor --version"

# A first start from an empty folder seeds the per-user folder and builds the
# prepared file there; a second start changes nothing.
mkdir "$work/empty"
cd "$work/empty"
export XDG_DATA_HOME="$work/data"
"$prefix/bin/sillabor-cli" dizio carica >/dev/null 2>"$work/first.err" || { cat "$work/first.err"; fail "primo avvio"; }
grep -q "^Preparata la cartella di lavoro $XDG_DATA_HOME/sillabor con il dizionario Default$" "$work/first.err" ||
    { cat "$work/first.err"; fail "manca l'avviso della cartella preparata"; }
cmp "$source/Dizionari/Default/italian.txt" "$XDG_DATA_HOME/sillabor/Dizionari/Default/italian.txt"
[ -f "$XDG_DATA_HOME/sillabor/Dizionari/Default/j_r_Default" ] || fail "file preparato non costruito nella cartella dell'utente"
[ -z "$(ls -A "$work/empty")" ] || fail "la cartella corrente non è rimasta vuota"
"$prefix/bin/sillabor-cli" dizio elenco >"$work/second.out" 2>"$work/second.err"
[ "$(cat "$work/second.out")" = "Default" ] && [ ! -s "$work/second.err" ] || fail "secondo avvio"
echo "ok"
