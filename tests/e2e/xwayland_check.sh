#!/bin/bash
# The simulator in a Wayland session: weston nested on the X server named by DISPLAY (started by
# tests/x11/with_x.sh --no-wm), with XWayland, and SDL asked for its Wayland driver. The program
# must show its window on XWayland, titled, and a click on Apply made on the outer server (the
# user's pointer, passed on by weston) must write the report, also after a click on the minimise
# button (which weston does not carry out).
#
#   tests/x11/with_x.sh --no-wm tests/e2e/xwayland_check.sh SIMULATOR
#
# Exit status 0 passed, 1 failed, 77 skipped (weston, Xwayland or a tool is missing).
set -u
readonly SKIP=77
if [[ $# -ne 1 ]]; then
    echo "usage: $0 SIMULATOR" >&2
    exit 2
fi
SIM=$1
for tool in weston Xwayland xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed" >&2; exit $SKIP; }
done
[[ -n "${DISPLAY:-}" ]] || { echo "SKIPPED: no X display" >&2; exit $SKIP; }

OUTER=$DISPLAY
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
weston_pid=""
sim_pid=""
cleanup() {
    stop_process "$sim_pid"
    stop_process "$weston_pid"
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    echo "--- weston log:" >&2
    tail -n 20 "$XDG_RUNTIME_DIR/weston.log" >&2
    echo "--- simulator output:" >&2
    cat "$XDG_RUNTIME_DIR/sim.out" "$XDG_RUNTIME_DIR/sim.err" >&2 2>/dev/null
    exit 1
}

# shellcheck source=tests/x11/processes.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x11/processes.sh"

weston --backend=x11-backend.so --xwayland --socket=wayland-vr --width=1000 --height=700 \
    --idle-time=0 --log="$XDG_RUNTIME_DIR/weston.log" >/dev/null 2>&1 &
weston_pid=$!
xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$XDG_RUNTIME_DIR/weston.log" 2>/dev/null; }
has_xwayland() { [[ -n "$(xwayland_display)" ]]; }
wait_until 20 has_xwayland || fail "weston did not offer XWayland within 20 s"
XW=$(xwayland_display)

WAYLAND_DISPLAY=wayland-vr SDL_VIDEODRIVER=wayland DISPLAY=$XW "$SIM" \
    >"$XDG_RUNTIME_DIR/sim.out" 2>"$XDG_RUNTIME_DIR/sim.err" &
sim_pid=$!
main_window() { DISPLAY=$XW xdotool search --onlyvisible --name '^Vespane RGB$' 2>/dev/null | head -n 1; }
has_main_window() { ! kill -0 "$sim_pid" 2>/dev/null || [[ -n "$(main_window)" ]]; }
wait_until 20 has_main_window || fail "no window titled Vespane RGB on XWayland within 20 s"
kill -0 "$sim_pid" 2>/dev/null || fail "the simulator ended at start-up"
window=$(main_window)
lines() { wc -l <"$XDG_RUNTIME_DIR/sim.out"; }
started() { [[ $(lines) -ge 4 ]]; }
wait_until 10 started || fail "the start-up queries were not printed"

name=$(DISPLAY=$XW xprop -id "$window" _NET_WM_NAME | sed -n 's/^[^=]*= //p')
[[ "$name" == '"Vespane RGB"' ]] || fail "_NET_WM_NAME is [$name]"
geometry() {
    x=$(DISPLAY=$XW xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(DISPLAY=$XW xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
}

# weston's output fills the outer server's screen from its top-left corner, so XWayland's
# coordinates are the outer server's. weston's X11 backend follows the pointer by the distance
# moved since it last entered weston's window; when that window was mapped under the pointer (the
# outer server starts with it in the middle of the screen) weston may never have seen it enter and
# ignores the motion. So the pointer first leaves weston's window (the screen is wider and taller
# than it) and comes back, then rests, so that weston has told the program where it is before the
# button goes down. On a loaded machine weston may still be placing the window or passing the
# motion on when the button goes down; the click is tried again (from a fresh reading of the
# window's place) until Apply has written, at most three times.
# click_apply N: clicks Apply until report line N is out.
click_apply() {
    applied() { [[ $(lines) -ge $1 ]]; }
    for attempt in 1 2 3; do
        geometry
        DISPLAY=$OUTER xdotool mousemove 1010 750 || fail "cannot move the pointer"
        sleep 0.2
        DISPLAY=$OUTER xdotool mousemove $((x + 600)) $((y + 498)) || fail "cannot move the pointer"
        sleep 0.2
        DISPLAY=$OUTER xdotool mousemove $((x + 683)) $((y + 498)) || fail "cannot move the pointer"
        sleep 0.5
        DISPLAY=$OUTER xdotool click 1 || fail "cannot click"
        wait_until 5 applied "$1" && break
        echo "the click on Apply (attempt $attempt) wrote nothing yet" >&2
    done
    applied "$1" || fail "the click on Apply wrote nothing"
    local expected="write 00800b020f020003033d45ff" line
    line=$(sed -n "$1p" "$XDG_RUNTIME_DIR/sim.out")
    [[ "$line" == "$expected"* ]] || fail "line $1 is [$line], expected [$expected...]"
}
click_apply 5
# weston does not minimise an X window: after the minimise button the window stays on screen and
# Apply still writes.
DISPLAY=$OUTER xdotool mousemove $((x + 749)) $((y + 17)) || fail "cannot move the pointer"
sleep 0.5
DISPLAY=$OUTER xdotool click 1 || fail "cannot click"
sleep 1
click_apply 6
kill -0 "$sim_pid" 2>/dev/null || fail "the program ended"
echo "PASSED: window \"Vespane RGB\" on XWayland $XW at $x,$y; Apply wrote its report, also after the minimise button"
