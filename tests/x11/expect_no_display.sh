#!/bin/bash
# Runs a desktop program with no display to open and checks that it ends cleanly: a non-zero
# exit status (not a crash by a signal) and one clear message on stderr.
#
#   tests/x11/expect_no_display.sh program [args...]
set -u
stderr_file=$(mktemp)
trap 'rm -f "$stderr_file"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" </dev/null >/dev/null 2>"$stderr_file"
status=$?

fail() {
    echo "FAILED: $*" >&2
    echo "--- stderr of $1:" >&2
    cat "$stderr_file" >&2
    exit 1
}
[[ $status -eq 0 ]] && fail "$1 exited with status 0 without a display"
[[ $status -ge 128 ]] && fail "$1 was ended by signal $((status - 128))"
grep -q "cannot open a display (.*)\. Run it on a desktop session\." "$stderr_file" ||
    fail "$1 did not say that it cannot open a display"
[[ $(wc -l <"$stderr_file") -eq 1 ]] || fail "$1 printed more than the one message"
echo "$1 without a display: status $status, message: $(cat "$stderr_file")"
