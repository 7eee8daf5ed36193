#!/usr/bin/env bash
# Serves build-web/site/, opens a search link in headless chromium and checks
# that #uscita shows what build/sillabor-cli prints (also while a search runs,
# with a time limit, and on a dictionary built in the page), that a rebuilt
# site replaces the one the browser kept; then stops the server and runs a
# second link offline.
# Usage: tests/web/page_check.sh [--screenshot FILE | --dizio-screenshot FILE]   (after scripts/web.sh --build-only)
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v chromium >/dev/null || scripts/install-deps.sh chromium
site_port=8097
tools_port=9227
folder="$(mktemp -d)"
profile="$(mktemp -d)"
served="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$folder" "$profile" "$served" 2>/dev/null || true
}
trap cleanup EXIT
mkdir -p "$folder/Dizionari/Default"
cp build-web/site/Dizionari/Default/j_r_Default "$folder/Dizionari/Default/"

# A copy, which the checks change to stand for a rebuilt site.
cp -r build-web/site/. "$served"
python3 scripts/serve-site.py "$site_port" "$served" >/dev/null 2>&1 &
server=$!
pids+=($server)
chromium --headless --no-sandbox --disable-gpu --user-data-dir="$profile" \
  --remote-debugging-address=127.0.0.1 --remote-debugging-port="$tools_port" about:blank >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  curl -sf "http://127.0.0.1:$tools_port/json/version" >/dev/null 2>&1 &&
    curl -sf "http://127.0.0.1:$site_port/" >/dev/null 2>&1 && break
  sleep 0.2
done
# The DevTools protocol goes over a WebSocket: node's own from 20.10 on, else
# (Debian 12's node 18) Debian's ws package.
export NODE_PATH=/usr/share/nodejs
websocket=(--experimental-websocket)
has_websocket() { node "$@" -e 'if (typeof WebSocket !== "function") process.exit(1)' 2>/dev/null; }
if ! has_websocket "${websocket[@]}"; then
  websocket=()
  has_websocket || node -e 'require("ws")' 2>/dev/null || scripts/install-deps.sh node-ws
fi
SILLABOR_FOLDER="$folder" SILLABOR_SITE_DIR="$served" SILLABOR_SERVER_PID="$server" \
  node "${websocket[@]}" tests/web/page_check.mjs "$tools_port" "http://127.0.0.1:$site_port" "$@"
