# wait_until SECONDS COMMAND [ARGS...]: runs the command until it succeeds, for at most SECONDS
# seconds; false when the time ran out. Sourced by with_x.sh and the end-to-end helpers.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [[ $SECONDS -ge $deadline ]] && return 1
        sleep 0.05
    done
}
