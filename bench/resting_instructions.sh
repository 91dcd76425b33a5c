#!/bin/bash
# Instructions the program runs in user space while the pointer rests on Apply (the button's
# 200 ms hover watch ticking), counted by valgrind's callgrind over 20 s once the tooltip has come
# and gone, and the wake-ups of its main thread in that time (voluntary context switches). What a
# wake-up costs beyond these instructions is the kernel's and the caches'. Prints figures; never a
# test.
#
#   tests/x11/with_x.sh bench/resting_instructions.sh build/vespane-rgb-sim [OUTPUT_DIR]
#
# OUTPUT_DIR keeps the callgrind file (callgrind_annotate --inclusive=yes FILE shows where the
# instructions went); without it it is removed.
set -u
if [[ $# -lt 1 ]]; then
    echo "usage: $0 PROGRAM [OUTPUT_DIR]" >&2
    exit 2
fi
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
program=$1
keep=${2:-}
out=${keep:-$(mktemp -d)}
mkdir -p "$out"
[[ -z "$keep" ]] && trap 'rm -rf "$out"' EXIT

VR_TRACE_PRESENTS=1 valgrind --tool=callgrind --instr-atstart=no \
    --callgrind-out-file="$out/resting.%p" "$program" >/dev/null 2>"$out/resting.err" &
pid=$!
waited=0
until grep -q '^appear' "$out/resting.err"; do
    if ! kill -0 "$pid" 2>/dev/null || [[ $waited -ge 600 ]]; then
        echo "no first frame" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
done
xdotool search --onlyvisible --pid "$pid" --name . mousemove --window %1 683 498
sleep 6  # the tooltip's delay, its time shown and its close

switches() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$pid/task/$pid/status"; }
callgrind_control -i on "$pid" >/dev/null 2>&1
before=$(switches)
sleep 20
after=$(switches)
callgrind_control -i off "$pid" >/dev/null 2>&1
callgrind_control -d "$pid" >/dev/null 2>&1
kill "$pid"
wait "$pid" 2>/dev/null

total=$(callgrind_annotate "$out"/resting.*.1 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
wakeups=$((after - before))
printf 'resting on Apply for 20 s: %s instructions, %d wake-ups' "$total" "$wakeups"
[[ $wakeups -gt 0 ]] && printf ', %d instructions a wake-up' $((total / wakeups))
echo
