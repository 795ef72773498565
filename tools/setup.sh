#!/usr/bin/env bash
# Prepares a Debian 12 machine and builds MozelDouble into build/: installs the Debian packages
# that are missing, configures with CMake and Ninja, and builds everything.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MOZEL_BUILD_DIR:-$root/build}

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          libbenchmark-dev libcryptominisat5-dev fonts-noto-cjk qt6-translations-l10n xvfb xauth)
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
echo "MozelDouble: ${MOZEL_BUILD_TYPE:-RelWithDebInfo} build, warnings as errors, into $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${MOZEL_BUILD_TYPE:-RelWithDebInfo}" -DMOZEL_WERROR=ON \
  "$@"
cmake --build "$build"
