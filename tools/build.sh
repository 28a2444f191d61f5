#!/usr/bin/env bash
# Configures and builds Kolibra with the given CMake preset (default: "default").
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-default}
cd "$top"
# Every clone lives in its own folder: let ccache share hits between them.
export CCACHE_BASEDIR="$top"
export CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
