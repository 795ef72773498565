#!/usr/bin/env bash
# Makes the standard test set of board pictures into the folder given: 396 pictures, 36 of each
# distortion group (every pattern three times, half of them under the diagonal rule), and
# truth.tsv. Builds mozel-board-pictures first when needed.
#   make-test-set.sh FOLDER
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: make-test-set.sh FOLDER" >&2
  exit 2
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
ninja -C "$build" mozel-board-pictures >/dev/null
"$build/tools/picture/mozel-board-pictures" --out "$1" --count 396 --seed 1
echo "$(($(wc -l <"$1/truth.tsv") - 1)) pictures and truth.tsv in $1"
