#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then runs every test: unit tests, end-to-end scripts and
# the on-screen tests (offscreen and under Xvfb).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
