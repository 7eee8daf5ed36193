#!/usr/bin/env bash
# Installs what is missing, builds, and starts Sillabor on the shipped Default dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/sillabor-cli dizio carica
