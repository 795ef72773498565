#!/usr/bin/env bash
# Sets up and builds what the program needs (see setup.sh --program: the program and its sample
# collection, no tests or benchmarks), then starts MozelDouble. Says what it does while it
# installs, configures and builds; quiet when everything is already in place.
# --no-start: set up and build only.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
start=1
if [ "${1:-}" = "--no-start" ]; then
  start=0
  shift
fi
"$root/tools/setup.sh" --program
[ "$start" = 1 ] || exit 0
exec "$build/src/app/mozeldouble/mozeldouble" "$@"
