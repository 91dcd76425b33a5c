#!/bin/bash
# Instructions each program runs from its start to its first frame on the screen, counted by
# valgrind's callgrind (repeatable where wall and CPU times are not): the bare SDL2 window and the
# program, each ended once its "appear" trace line is out. Prints figures; never a test.
#
#   tests/x11/with_x.sh bench/startup_instructions.sh build/bench/bare_sdl_window \
#       build/vespane-rgb-sim [OUTPUT_DIR]
#
# OUTPUT_DIR keeps the callgrind files (callgrind_annotate --inclusive=yes FILE shows where the
# instructions went); without it they are removed.
set -u
if [[ $# -lt 2 ]]; then
    echo "usage: $0 BARE_SDL_WINDOW PROGRAM [OUTPUT_DIR]" >&2
    exit 2
fi
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
keep=${3:-}
out=${keep:-$(mktemp -d)}
mkdir -p "$out"
[[ -z "$keep" ]] && trap 'rm -rf "$out"' EXIT

count() {  # count NAME EXECUTABLE: prints NAME and the instructions to the first frame
    local name=$1 program=$2
    VR_TRACE_PRESENTS=1 valgrind --tool=callgrind --callgrind-out-file="$out/$name.%p" \
        "$program" >/dev/null 2>"$out/$name.err" &
    local pid=$!
    local waited=0
    until grep -q '^appear' "$out/$name.err"; do
        if ! kill -0 "$pid" 2>/dev/null || [[ $waited -ge 600 ]]; then
            echo "$name: no first frame" >&2
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    kill "$pid"
    wait "$pid" 2>/dev/null
    # The program's own process: a helper it starts (a session bus) is counted apart. The count
    # runs until the program is ended, just after its first frame.
    local total
    total=$(grep "^==$pid== Collected" "$out/$name.err" | awk '{print $4}')
    printf '%-10s %12s instructions to the first frame\n' "$name" "$total"
}

count bare_sdl "$1"
count program "$2"
