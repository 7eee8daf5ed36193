#!/usr/bin/env bash
# Starts the window on a virtual X server, waits for the Default dictionary to
# load, types a phrase on the Anagr page, and saves a picture of the window with
# its anagrams as docs/screenshot.png.
# Usage: scripts/screenshot.sh [seconds to wait after the load, default 4]
# SILLABOR_BUILD_DIR names another build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth imagemagick xdotool
build="${SILLABOR_BUILD_DIR:-build}"
[ -x "$build/sillabor" ] || scripts/build.sh
mkdir -p docs
settle="${1:-4}"
# The user's stored choices (font, last page, geometry) would change the picture.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT

XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -euo pipefail
  "$2/sillabor" &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  # The first start builds the prepared file of Default: wait for it.
  for _ in $(seq 1 240); do
    [ -f Dizionari/Default/j_r_Default ] && break
    sleep 0.5
  done
  sleep "$1"
  # The phrase field has the focus: ask for the anagrams of a phrase.
  xdotool type --delay 20 "marco polo"
  xdotool key Return
  sleep 2
  import -window root docs/screenshot-full.png
' screenshot "$settle" "$build"

# No window manager, no frame: keep the window, drop the empty screen around it.
convert docs/screenshot-full.png -trim +repage docs/screenshot.png
rm -f docs/screenshot-full.png
echo "docs/screenshot.png"
