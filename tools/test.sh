#!/usr/bin/env bash
# Installs what is missing, builds Kolibra with its tests and runs the whole suite.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/tools/setup.sh"
bash "$top/tools/build.sh" default
export QT_QPA_PLATFORM=offscreen
cd "$top"
ctest --preset default
