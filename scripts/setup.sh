#!/usr/bin/env bash
# Set-up of the lighting utility on Debian 12.
#   scripts/setup.sh run        install what building and running need, build, start the program
#   scripts/setup.sh test       also the test tools; build, run every test
#   scripts/setup.sh package    also the package tools; build, make the .deb in build/, check it
#   scripts/setup.sh sanitize   also the release checks' tools; the tests built with
#                               AddressSanitizer and UBSan (build-asan/)
#   scripts/setup.sh deps SET.. only install the missing packages of the sets named (run, test,
#                               package, sanitize)
# Extra CMake options can be passed in VR_CMAKE_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

# Building and running the program.
run_packages=(
  build-essential cmake pkg-config
  libhidapi-dev libsdl2-dev libx11-dev libxext-dev libfreetype-dev libfontconfig-dev libpng-dev
  fonts-liberation2 fonts-wqy-microhei
)
# The tests and benchmarks, and the end-to-end scenarios on a private X server.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool openbox imagemagick x11-utils wmctrl weston xwayland xsettingsd
)
# The Debian package (CPack's generator needs dpkg-shlibdeps and file) and its checks.
package_packages=(
  dpkg-dev file lintian appstream desktop-file-utils
)
# The release checks: sanitizers and libFuzzer, clang-tidy, valgrind.
sanitize_packages=(
  clang libclang-rt-14-dev clang-tidy valgrind
)

install_missing() {  # install_missing PACKAGE...
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "setup.sh: installing ${missing[*]} needs root: run this as root, or install sudo" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_sets() {  # install_sets SET...: the packages of every set named
  local wanted=()
  for set in "$@"; do
    case "$set" in
      run) wanted+=("${run_packages[@]}") ;;
      test) wanted+=("${run_packages[@]}" "${test_packages[@]}") ;;
      package) wanted+=("${run_packages[@]}" "${package_packages[@]}") ;;
      sanitize) wanted+=("${run_packages[@]}" "${test_packages[@]}" "${sanitize_packages[@]}") ;;
      *) echo "setup.sh: no package set \"$set\" (run, test, package, sanitize)" >&2; exit 2 ;;
    esac
  done
  install_missing "${wanted[@]}"
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
    shift
    install_sets "${@:-run}" ;;
  run)
    install_sets run
    build build -DVR_BUILD_TESTS=OFF -DVR_BUILD_BENCH=OFF
    exec build/vespane-rgb ;;
  test)
    install_sets test
    build build -DVR_BUILD_TESTS=ON -DVR_BUILD_BENCH=ON
    ctest --test-dir build --output-on-failure -j"$jobs" ;;
  package)
    install_sets package
    build build -DVR_BUILD_TESTS=OFF -DVR_BUILD_BENCH=OFF
    (cd build && cpack -G DEB)
    packaging/check_package.sh build ;;
  sanitize)
    install_sets sanitize
    build build-asan -DVR_SANITIZE=ON -DVR_BUILD_TESTS=ON -DVR_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
      ctest --test-dir build-asan --output-on-failure -j"$jobs" ;;
  *)
    sed -n '2,10p' "$0"; exit 2 ;;
esac
