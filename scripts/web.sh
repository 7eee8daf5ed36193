#!/usr/bin/env bash
# Builds the web page into build-web/site/ (the core in WebAssembly, the
# Default dictionary prepared, the help) and serves it on http://127.0.0.1:8080
# (cross-origin isolated, see scripts/serve-site.py).
# Usage: scripts/web.sh [--build-only]
# SILLABOR_WEB_JOBS sets the build's parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=0
[ "${1:-}" = "--build-only" ] && build_only=1

scripts/install-deps.sh emscripten nodejs python3
# emscripten's JavaScript tools look for their node modules here.
export NODE_PATH=/usr/share/nodejs
jobs="${SILLABOR_WEB_JOBS:-$(nproc)}"

# The native sillabor-cli prepares the dictionary the page ships: from build/
# as it is, when it is there (the same preset as scripts/build.sh otherwise).
[ -f build/build.ninja ] || cmake --preset "${SILLABOR_CI:+ci-}release" >/dev/null
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
# The worker's two scripts go into it: two requests fewer before it can start.
python3 - "$site" <<'JOIN'
import pathlib, sys
site = pathlib.Path(sys.argv[1])
worker = site / 'worker.js'
line = "importScripts('sillabor-web.js', 'runner.js');"
text = worker.read_text()
assert text.count(line) == 1, 'worker.js: no single importScripts line to replace'
parts = [(site / name).read_text() for name in ('sillabor-web.js', 'runner.js')]
worker.write_text(text.replace(line, '\n'.join(parts)))
for name in ('sillabor-web.js', 'runner.js'):
    (site / name).unlink()
JOIN
# Beside the module's loader, for the tests that run the module under node
# (web/ holds ES modules, and node takes runner.js only as a plain script).
cp web/runner.js build-web/
# The service worker's cache is named after the files it keeps: a site that
# changed reaches the browsers that kept the old one.
version="$(cd "$site" && find . -type f ! -name sw.js -print0 | sort -z | xargs -0 sha256sum | sha256sum | cut -c1-16)"
sed -i "s/^const VERSION = .*/const VERSION = '$version';/" "$site/sw.js"
grep -q "^const VERSION = '$version';" "$site/sw.js"
echo "Pagina pronta in $site"

if [ "$build_only" = 1 ]; then exit 0; fi
echo "Apri http://127.0.0.1:8080 (Ctrl-C per fermare)"
exec python3 scripts/serve-site.py 8080 "$site"
