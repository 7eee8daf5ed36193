#!/usr/bin/env bash
# Installs the package made by scripts/package.sh with apt, then starts the
# desktop entry's command as a new user would from the menu: from the home
# folder (no Dizionari/ there, no per-user folder yet, no settings) on a virtual
# X server. Saves the window as docs/installed.png and lists the per-user
# folder it set up. Remove the package afterwards with: apt-get remove sillabor
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth imagemagick
deb=$(ls sillabor_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "manca il pacchetto: esegui prima scripts/package.sh" >&2; exit 2; }
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
command=$(sed -n 's/^Exec=//p' /usr/share/applications/sillabor.desktop)
echo "Exec del menu: $command"

home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
picture="$(pwd)/docs/installed.png"
(
    cd "$home"
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" xvfb-run -a -s "-screen 0 800x600x24" bash -c '
        $0 &
        pid=$!
        trap "kill $pid 2>/dev/null || true" EXIT
        # The first start builds the prepared file in the per-user folder.
        for _ in $(seq 1 240); do
            [ -f "$HOME/.local/share/sillabor/Dizionari/Default/j_r_Default" ] && break
            sleep 0.5
        done
        sleep 3
        import -window root "$1"
    ' "$command" "${picture%.png}-full.png"
)
convert "${picture%.png}-full.png" -trim +repage "$picture"
rm -f "${picture%.png}-full.png"
echo "Cartella corrente dopo l'avvio (la home): $(ls -A "$home" | tr '\n' ' ')"
(cd "$home/.local/share/sillabor" && find . | sort)
echo "$picture"
