#!/usr/bin/env bash
# Installs what is missing, builds, and starts Sillabor on the shipped Default dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh qt6-qpa-plugins qt6-translations-l10n xdg-utils
scripts/build.sh
exec build/sillabor
