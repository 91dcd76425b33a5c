# The test scripts' helpers for the processes they wait on and end. Sourced by with_x.sh, the
# end-to-end helpers and the XWayland check.

# wait_until SECONDS COMMAND [ARGS...]: runs the command until it succeeds, for at most SECONDS
# seconds; false when the time ran out.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [[ $SECONDS -ge $deadline ]] && return 1
        sleep 0.05
    done
}

# stop_process PID: ends the process (SIGTERM) and waits for it; nothing when PID is empty or the
# process has already gone.
stop_process() {
    [[ -n "$1" ]] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null
    return 0
}
