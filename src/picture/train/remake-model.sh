#!/usr/bin/env bash
# Remakes the digit classifier's weights, src/picture/DigitModel.inc: builds the training
# program, renders the digits from the installed fonts and trains (about ten minutes on one
# core). The same fonts, OpenCV and seed give the same weights.
#   remake-model.sh [TRAINING-OPTIONS...]   (see mozel-train-digits: --samples, --epochs, ...)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
ninja -C "$build" mozel-train-digits >/dev/null
"$build/src/picture/mozel-train-digits" "$root/src/picture/DigitModel.inc" "$@"
ninja -C "$build" mozel_picture >/dev/null
