#!/bin/bash
# Runs a desktop program with no X server to open and checks that it ends cleanly: exit status 1
# (not a crash by a signal) and one clear line on stderr saying what it needs. Tried without any
# display, with DISPLAY naming a server that does not exist, and with SDL asked for its Wayland
# driver on a Wayland display that leads nowhere (the program uses X11 all the same).
#
#   tests/x11/expect_no_display.sh program [args...]
set -u
stderr_file=$(mktemp)
trap 'rm -f "$stderr_file"' EXIT

readonly needs="It needs an X server; a Wayland desktop provides one through XWayland\."

# expect ENVIRONMENT REASON: runs the program in the environment (env arguments after the
# variables removed) and checks the status and the message with its reason.
expect() {
    local environment=$1 reason=$2
    shift 2
    local program=$1
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER $environment "$@" \
        </dev/null >/dev/null 2>"$stderr_file"
    local status=$?
    fail() {
        echo "FAILED (${environment:-no display}): $program $*" >&2
        echo "--- stderr:" >&2
        cat "$stderr_file" >&2
        exit 1
    }
    [[ $status -ge 128 ]] && fail "was ended by signal $((status - 128))"
    [[ $status -eq 1 ]] || fail "exited with status $status, not 1"
    grep -q "^${program##*/}: cannot open a display ($reason)\. $needs\$" "$stderr_file" ||
        fail "did not say that it cannot open a display and what it needs"
    [[ $(wc -l <"$stderr_file") -eq 1 ]] || fail "printed more than the one line"
    echo "$program (${environment:-no display}): status $status, message: $(cat "$stderr_file")"
}

expect "" "DISPLAY is not set" "$@"
expect "DISPLAY=:9357" 'no X server answers on DISPLAY ":9357"' "$@"
expect "SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=vr-nowhere" "DISPLAY is not set" "$@"
