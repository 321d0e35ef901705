#!/usr/bin/env bash
# Installs the Debian packages that are missing, as root (or through sudo).
#   scripts/install_deps.sh build   what ./run.sh needs: compiler, CMake, libraries
#   scripts/install_deps.sh test    the above, and what ./test.sh needs beside it
# Every package is named here: a bare Debian 12 system (debootstrap's minbase)
# has none of them, and recommended packages are never installed, so nothing
# may be relied on that this list does not name.
set -euo pipefail

build_packages=(
  build-essential cmake
  # Xlib, for the window module.
  libx11-dev
  libcli11-dev nlohmann-json3-dev
  # The live viewer's HTTP server (--serve).
  libcpp-httplib-dev
  # The test executable and the benchmarks are part of the default build.
  googletest libgtest-dev libgmock-dev libbenchmark-dev
)
test_packages=(
  # clang, its runtimes and the symbolizer: the sanitizer suite and the fuzzers.
  clang libclang-rt-14-dev llvm-14
  # The picture tests check the SVG with a real XML parser.
  python3
  # The viewer's browser tests: Node.js runs Playwright's core, which drives
  # Debian's Chromium (tests/browser/). npm is added below only where the
  # npm command is missing: a Node.js from elsewhere brings its own.
  nodejs chromium
  # A font, so that the page's screenshot has its text on a bare system.
  fonts-dejavu-core
  # The packager's window is tested on a virtual display.
  xvfb
)

case "${1:-build}" in
  build) packages=("${build_packages[@]}") ;;
  test)
    packages=("${build_packages[@]}" "${test_packages[@]}")
    command -v npm >/dev/null || packages+=(npm)
    ;;
  *) echo "usage: scripts/install_deps.sh [build|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
