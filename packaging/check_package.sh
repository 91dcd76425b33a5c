#!/usr/bin/env bash
# Builds the Debian package of a build folder and checks it as a distribution would: lintian
# with no error and no warning, the copyright file, the changelog, a manual page for every
# program, bash completion for the command-line programs, valid AppStream metainfo, a desktop
# entry the validator is silent about and the icon in every hicolor size.
#
#   packaging/check_package.sh BUILD_DIR [CMAKE CPACK]
#
# cpack's own install step first builds the whole tree, which must not happen under a running
# test suite; so the built tree is installed here (stripped, as the package configuration asks)
# and cpack packages that folder with the package configuration of the build.
#
# Exit status 0 passed, 1 failed, 77 skipped (a tool the check needs is not installed).
set -uo pipefail
build=$1
cmake=${2:-cmake}
cpack=${3:-cpack}
readonly SKIP=77
readonly ICON_SIZES="16 24 32 48 64 128 256"

for tool in "$cmake" "$cpack" dpkg-deb dpkg-shlibdeps file lintian appstreamcli desktop-file-validate; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/setup.sh package installs the package tools)"
    exit $SKIP
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! DESTDIR=$work/stage "$cmake" --install "$build" --prefix /usr --strip >"$work/cpack.log" 2>&1 ||
  ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" \
    -D CPACK_INSTALL_CMAKE_PROJECTS= -D "CPACK_INSTALLED_DIRECTORIES=$work/stage/usr;usr" \
    >>"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
debs=("$work"/out/*.deb)
deb=${debs[0]}
echo "package: $(basename "$deb")"

# Informational tags may stay; errors and warnings may not.
lintian --no-tag-display-limit "$deb" 2>/dev/null | tee "$work/lintian.log"
grep -q '^[EW]: ' "$work/lintian.log" && fail "lintian reports errors or warnings"

root=$work/root
dpkg-deb -x "$deb" "$root"
doc=$root/usr/share/doc/vespane-rgb
[[ -f $doc/copyright ]] || fail "no usr/share/doc/vespane-rgb/copyright"
[[ -f $doc/changelog.gz ]] || fail "no usr/share/doc/vespane-rgb/changelog.gz"
for program in "$root"/usr/bin/*; do
  name=$(basename "$program")
  [[ -f $root/usr/share/man/man1/$name.1.gz ]] || fail "$name has no manual page"
done
for program in vespane-rgbctl vespane-rgbctl-sim; do
  [[ -f $root/usr/share/bash-completion/completions/$program ]] ||
    fail "$program has no bash completion"
done
for size in $ICON_SIZES; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/vespane-rgb.png
  file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    fail "no $size x $size RGBA icon"
done

metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
if [[ -f ${metainfo[0]} ]]; then
  appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli rejects the metainfo"
else
  fail "no metainfo in usr/share/metainfo"
fi
for entry in "$root"/usr/share/applications/*.desktop; do
  report=$(desktop-file-validate "$entry" 2>&1)
  [[ -z $report ]] || fail "desktop-file-validate: $report"
done

[[ $failures -eq 0 ]] || exit 1
echo "package check passed"
