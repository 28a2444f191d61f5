#!/usr/bin/env bash
# Installs what is missing, builds Kolibra and starts it.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/tools/setup.sh"
bash "$top/tools/build.sh" default
exec "$top/build/default/app/kolibra" "$@"
