#!/bin/bash
# The simulator's start-up and close under valgrind, on the X server named by DISPLAY (run it
# through tests/x11/with_x.sh): start, wait for the four start-up reports, close with the close
# button. Fails on any memory error and on memory definitely lost.
#
#   tests/x11/with_x.sh tests/e2e/valgrind_startup.sh build/vespane-rgb-sim [OUTPUT_DIR]
set -u
SIM=$1
OUT=${2:-$(mktemp -d)}/valgrind
mkdir -p "$OUT"
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
command -v valgrind >/dev/null || { echo "SKIPPED: valgrind is not installed" >&2; exit $SKIP; }
command -v xdotool >/dev/null || { echo "SKIPPED: xdotool is not installed" >&2; exit $SKIP; }

"$(command -v valgrind)" --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
    --show-leak-kinds=definite --track-origins=yes --suppressions="$(dirname "$0")/valgrind.supp" --log-file="$OUT/valgrind.log" \
    "$SIM" >"$OUT/sim.out" 2>"$OUT/sim.err" &
sim_pid=$!
has_main_window() { ! sim_running || find_main_window >/dev/null; }
wait_until 120 has_main_window || fail "no main window within 120 s under valgrind"
sim_running || { cat "$OUT/valgrind.log" >&2; fail "the simulator ended at start-up"; }
main_window=$(find_main_window)
read_position
wait_lines 4 60
click_at 777 17  # the close button
wait_until 60 eval '! sim_running' || fail "the close button did not end the program"
status=0
wait "$sim_pid" || status=$?
sim_pid=""
grep -E "ERROR SUMMARY|definitely lost" "$OUT/valgrind.log"
if [[ $status -ne 0 ]]; then
    cat "$OUT/valgrind.log" >&2
    echo "FAILED: valgrind found errors (exit status $status)" >&2
    exit 1
fi
echo "PASSED: start-up and close under valgrind"
