#!/usr/bin/env bash
# Set-up of the lighting utility on Debian 12.
#   scripts/setup.sh run        install what is missing, build, start the program
#   scripts/setup.sh test       install what is missing, build, run every test
#   scripts/setup.sh sanitize   the same tests built with AddressSanitizer and UBSan (build-asan/)
#   scripts/setup.sh deps       only install the missing Debian packages
# Extra CMake options can be passed in VR_CMAKE_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libhidapi-dev libsdl2-dev libx11-dev libxext-dev libfreetype-dev libfontconfig-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-wqy-microhei
  xvfb xdotool openbox imagemagick x11-utils wmctrl weston xwayland
  clang libclang-rt-14-dev clang-tidy valgrind dpkg-dev
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  # shellcheck disable=SC2086
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" ${VR_CMAKE_ARGS:-}
  cmake --build "$dir" -j"$jobs"
}

case "${1:-}" in
  deps)
    install_missing ;;
  run)
    install_missing
    build build
    exec build/vespane-rgb ;;
  test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j"$jobs" ;;
  sanitize)
    install_missing
    build build-asan -DVR_SANITIZE=ON -DVR_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j"$jobs" ;;
  *)
    sed -n '2,8p' "$0"; exit 2 ;;
esac
