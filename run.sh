#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh --target averoz
exec build/averoz "$@"
