#!/usr/bin/env bash
# Sets up, builds and runs every test: the widget tests on Qt's offscreen platform and the end-to-end tests
# that drive the built game under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure
