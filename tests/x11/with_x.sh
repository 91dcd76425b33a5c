#!/bin/bash
# Runs a command under a private X server (Xvfb, on a free display) with a window manager
# (openbox), with DISPLAY set for it. Waits until the server answers and the window manager has
# taken the screen before starting the command.
#
#   tests/x11/with_x.sh [--no-wm] [--screen WxHxD] [--dpi N] command [args...]
#
# Exit status: the command's; 77 when no X server can be started on this machine, so that the
# caller (CTest's SKIP_RETURN_CODE) reports the test as skipped.
set -u

readonly SKIP=77
wm=1
screen=1024x768x24
dpi=()
while [[ $# -gt 0 ]]; do
    case "$1" in
        --no-wm) wm=0; shift ;;
        --screen) screen="$2"; shift 2 ;;
        --dpi) dpi=(-dpi "$2"); shift 2 ;;
        *) break ;;
    esac
done
if [[ $# -eq 0 ]]; then
    echo "usage: $0 [--no-wm] [--screen WxHxD] [--dpi N] command [args...]" >&2
    exit 2
fi

skip() {
    echo "SKIPPED: $*" >&2
    exit "$SKIP"
}

command -v Xvfb >/dev/null || skip "no X server can be started: Xvfb is not installed"
command -v xprop >/dev/null || skip "xprop is not installed"
if [[ $wm -eq 1 ]]; then
    command -v openbox >/dev/null || skip "openbox is not installed"
fi

workdir=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    stop_process "$wm_pid"
    stop_process "$xvfb_pid"
    rm -rf "$workdir"
}
trap cleanup EXIT

# shellcheck source=tests/x11/processes.sh
source "$(dirname "${BASH_SOURCE[0]}")/processes.sh"

# The server picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 "$screen" "${dpi[@]}" -nolisten tcp -br -noreset \
    3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
display_ready() {
    kill -0 "$xvfb_pid" 2>/dev/null || return 0  # stop waiting: the server is gone
    grep -qs '^[0-9][0-9]*$' "$workdir/display"
}
wait_until 20 display_ready
if ! kill -0 "$xvfb_pid" 2>/dev/null || ! grep -qs '^[0-9][0-9]*$' "$workdir/display"; then
    skip "no X server can be started here (Xvfb: $(tail -n 3 "$workdir/xvfb.log" | tr '\n' ' '))"
fi
DISPLAY=":$(head -n 1 "$workdir/display")"
export DISPLAY

if [[ $wm -eq 1 ]]; then
    openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
    wm_pid=$!
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    if ! wait_until 20 wm_ready; then
        echo "with_x.sh: openbox did not take the screen on $DISPLAY:" >&2
        cat "$workdir/openbox.log" >&2
        exit 1
    fi
fi

"$@"
