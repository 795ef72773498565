#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then runs every test: unit tests, end-to-end scripts and
# the on-screen tests (offscreen and under Xvfb); then the same tests built with the address
# and undefined-behaviour sanitizers (see sanitize.sh; MOZEL_SANITIZERS=0 skips them).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
"$root/tools/setup.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
if [ "${MOZEL_SANITIZERS:-1}" != 0 ]; then
  "$root/tools/sanitize.sh"
fi
