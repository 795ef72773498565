#!/usr/bin/env bash
# Prepares a Debian 12 machine and builds MozelDouble into build/: installs the Debian packages
# that are missing, configures with CMake and Ninja, and builds everything.
#   setup.sh [CMAKE-ARGS...]   configures every time and builds every target (tests included)
#   setup.sh --program         builds only the program and what it copies beside itself, and
#                              configures only a build folder that has not been configured yet;
#                              prints nothing when there is nothing to do
# MOZEL_DRY_RUN=1 with --program prints the commands a fresh build of it would run instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}
program_only=0
if [ "${1:-}" = "--program" ]; then
  program_only=1
  shift
fi

# OpenCV reads boards from pictures; the fonts beyond Noto draw the test pictures of boards.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          libbenchmark-dev libcryptominisat5-dev fonts-noto-cjk qt6-translations-l10n xvfb xauth
          libopencv-dev fonts-ipafont-mincho fonts-ipafont-gothic fonts-vlgothic fonts-dejavu-core
          fonts-liberation2 fonts-freefont-ttf fonts-urw-base35)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# Warnings are errors here, where they help; a plain CMake build only warns.
if [ "$program_only" = 0 ] || [ ! -f "$build/build.ninja" ]; then
  echo "MozelDouble: configuring a ${MOZEL_BUILD_TYPE:-RelWithDebInfo} build, warnings as errors, into $build"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${MOZEL_BUILD_TYPE:-RelWithDebInfo}" -DMOZEL_WERROR=ON \
    "$@"
fi
if [ "$program_only" = 1 ]; then
  targets=(mozeldouble)
  if [ "${MOZEL_DRY_RUN:-0}" = 1 ]; then
    ninja -C "$build" -t commands "${targets[@]}"
    exit 0
  fi
  # Ninja's progress ([done/total] and the file at work) passes through; its lines for a build
  # with nothing to do do not, and the heading shows with the first real step.
  set +e
  ninja -C "$build" "${targets[@]}" | awk '
    /^ninja: (Entering directory|no work to do)/ || /Re-checking globbed directories/ { next }
    !shown { print "MozelDouble: building the program (tools/test.sh builds the tests)"; shown = 1 }
    { print; fflush() }'
  status=${PIPESTATUS[0]}
  set -e
  exit "$status"
fi
ninja -C "$build"
