#!/usr/bin/env bash
# Builds the web page into build-web/site/ (the core in WebAssembly, the
# Default dictionary prepared, the help) and serves it on http://127.0.0.1:8080.
# Usage: scripts/web.sh [--build-only]
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=0
[ "${1:-}" = "--build-only" ] && build_only=1

scripts/install-deps.sh emscripten nodejs python3
# emscripten's JavaScript tools look for their node modules here.
export NODE_PATH=/usr/share/nodejs
jobs="$(nproc)"

# The native sillabor-cli prepares the dictionary the page ships.
cmake --preset release >/dev/null
cmake --build build -j "$jobs" --target sillabor-cli
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs"

site=build-web/site
rm -rf "$site"
mkdir -p "$site/Dizionari/Default"
cp web/*.html web/*.css web/*.js "$site/"
cp build-web/sillabor-web.js build-web/sillabor-web.wasm sillaboraiut.txt "$site/"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Dizionari/Default"
cp Dizionari/Default/italian.txt "$work/Dizionari/Default/"
build/sillabor-cli --cartella "$work" dizio carica >/dev/null
cp "$work/Dizionari/Default/j_r_Default" "$site/Dizionari/Default/"
echo "Pagina pronta in $site"

if [ "$build_only" = 1 ]; then exit 0; fi
echo "Apri http://127.0.0.1:8080 (Ctrl-C per fermare)"
cd "$site"
exec python3 -m http.server 8080 --bind 127.0.0.1
