#!/usr/bin/env bash
# clang-tidy over the program's own sources (not the tests, not generated files), with the
# checked-in .clang-tidy and the compile commands of a build directory.
#   scripts/tidy.sh [BUILD_DIR] [FOLDER...]     default build/ and every source folder
# Exit status 1 when clang-tidy reports anything.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
folders=("$@")
[[ ${#folders[@]} -gt 0 ]] || folders=(app cli controls device mainwnd numdlg platform tools packaging)
[[ -f "$build/compile_commands.json" ]] ||
    { echo "no $build/compile_commands.json: configure with cmake -S . -B $build first" >&2; exit 2; }
jobs=$(nproc 2>/dev/null || echo 2)

files=()
for folder in "${folders[@]}"; do
    while IFS= read -r file; do files+=("$PWD/$file"); done < <(git ls-files "$folder/*.cpp")
done
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%s\n' "${files[@]}" |
    xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null >"$log" || true
if grep -qE ': (warning|error):' "$log"; then
    grep -E ': (warning|error):' "$log" | sort -u
    echo "clang-tidy: $(grep -cE ': (warning|error):' "$log") findings in ${#files[@]} files" >&2
    exit 1
fi
echo "clang-tidy: ${#files[@]} files clean"
