#!/bin/bash
# Idle wake-ups of the program's message loop on a real X server, counted from the desktop
# backend's trace (VR_TRACE_WAKEUPS: one line per wake-up) over 10 s with the pointer at rest:
# off the window, on an empty part of the skin, and on the Apply button (where only the button's
# 200 ms hover watch should run). Prints figures; never a test.
#
#   tests/x11/with_x.sh bench/idle_wakeups.sh build/vespane-rgb-sim [SECONDS]
set -u
SIM=$1
seconds=${2:-10}
OUT=$(mktemp -d)
trap 'stop_sim; [[ -n "${VR_KEEP_TRACE:-}" ]] && cp "$OUT/sim.err" "$VR_KEEP_TRACE"; rm -rf "$OUT"' EXIT
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
trap 'stop_sim; [[ -n "${VR_KEEP_TRACE:-}" ]] && cp "$OUT/sim.err" "$VR_KEEP_TRACE"; rm -rf "$OUT"' EXIT

# Wake-ups traced between two instants of the program's clock (ms).
count_between() {
    awk -v from="$1" -v to="$2" '$1 == "wakeup" && $2 >= from && $2 < to { n++ } END { print n + 0 }' \
        "$OUT/sim.err"
}
# The program's clock now: the time stamp of a wake-up caused on purpose by a pointer move.
clock_after_move() {
    local before
    before=$(grep -c '^wakeup' "$OUT/sim.err")
    point_at "$@"
    moved() { [[ $(grep -c '^wakeup' "$OUT/sim.err") -gt $before ]]; }
    wait_until 5 moved || fail "the pointer move did not wake the program"
    grep '^wakeup' "$OUT/sim.err" | tail -n 1 | cut -d' ' -f2
}

measure() {  # measure NAME X Y (window coordinates; may lie outside the window)
    local start
    start=$(clock_after_move "$2" "$3")
    sleep 1  # let the arrival's own work (hover look, tooltip delay) pass
    sleep "$seconds"
    local count
    count=$(count_between $((start + 1000)) $((start + 1000 + seconds * 1000)))
    printf '%-28s %4d wake-ups in %d s  (%.1f per second)\n' "$1" "$count" "$seconds" \
        "$(echo "$count / $seconds" | bc -l)"
}

export VR_TRACE_WAKEUPS=1
start_sim
wait_lines 4
measure "pointer off the window" 900 600
measure "pointer on the empty skin" 360 15
measure "pointer resting on Apply" 683 498
