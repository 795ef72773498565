#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then starts MozelDouble.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
"$root/tools/setup.sh" >/dev/null
exec "$build/src/app/mozeldouble/mozeldouble" "$@"
