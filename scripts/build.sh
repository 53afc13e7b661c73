#!/usr/bin/env bash
# Configures and builds Quillomar into build/ (or the folder given), with the tests.
set -euo pipefail
dir=${1:-build}; shift || true
cmake -S "$(dirname "$0")/.." -B "$dir" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
