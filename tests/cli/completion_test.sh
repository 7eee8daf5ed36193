#!/usr/bin/env bash
# The bash completion of sillabor-cli, against the built program.
# Usage: completion_test.sh SILLABOR_CLI COMPLETION_FILE
set -uo pipefail
cli=$1
completion=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/Dizionari/Default" "$work/Dizionari/Mio"
ln -s "$(realpath "$cli")" "$work/bin/sillabor-cli"
export PATH="$work/bin:$PATH"
cd "$work"
# shellcheck source=/dev/null
source "$completion"

failures=0
expect() {
    local wanted=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _sillabor_cli
    if [ "${COMPREPLY[*]}" != "$wanted" ]; then
        echo "FAIL: [$*] gives [${COMPREPLY[*]}], expected [$wanted]"
        failures=$((failures + 1))
    fi
}

expect "anagr cerca cern curio decrit dizio metagr parole trova" sillabor-cli ""
expect "cerca cern curio" sillabor-cli --seme 3 c
expect "--dizionario" sillabor-cli --diz
expect "Default Mio" sillabor-cli --dizionario ""
expect "bifronti-iniziale bifronti-finale bifronti-entrambe" sillabor-cli trova b
expect "" sillabor-cli trova cambi ""
expect "0 1 2 3 4 5 6 7" sillabor-cli cerca --categoria ""
expect "nulla specchio ruota inverti caso" sillabor-cli decrit coppie --bottone ""
expect "elenco carica crea esporta" sillabor-cli dizio ""
expect "alfab lungh rime" sillabor-cli dizio esporta --ordine ""
expect "--griglia" sillabor-cli cerca --gr
expect "tutticambi tuttiscarti tuttiscambi" sillabor-cli curio tutti
expect "1 10 11 12 13 14 15 16 17 18 19" sillabor-cli curio 1
exit $((failures > 0))
