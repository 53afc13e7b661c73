#!/usr/bin/env bash
# Configures and builds Quillomar into build/ (or the folder given), with the tests. QUILLOMAR_WERROR=ON in
# the environment makes compiler warnings errors, as CI wants.
set -euo pipefail
dir=${1:-build}; shift || true
cmake -S "$(dirname "$0")/.." -B "$dir" ${QUILLOMAR_WERROR:+-DQUILLOMAR_WERROR=$QUILLOMAR_WERROR} "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
