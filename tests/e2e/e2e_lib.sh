# Helpers of the end-to-end scenarios: start the simulator on the X server named by DISPLAY, find
# its window, click at window coordinates with real X pointer events (xdotool), wait for report
# lines and windows with deadlines, and take screenshots (ImageMagick).
#
# Sourced by the scenario scripts; the helpers expect SIM (the simulator executable) and OUT (a
# directory for its output and the screenshots) to be set, as take_run_arguments sets them.

readonly SKIP=77
readonly REPORT_DIGITS=130

# For a simulator built with the sanitizers: the system libraries' own leaks are not its.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

sim_pid=""
main_window=""
WX=0
WY=0
# The scale the simulator is expected to draw at: window coordinates given to the helpers are the
# program's own pixels, multiplied by SCALE on screen.
SCALE=1

# take_run_arguments NAME "$@": a run's command line, SIMULATOR OUTPUT_DIR and the run's name
# (NAME in the usage line); sets SIM and OUT (OUTPUT_DIR/name), or ends with the usage (status 2).
take_run_arguments() {
    local what=$1
    shift
    if [[ $# -ne 3 ]]; then
        echo "usage: $0 SIMULATOR OUTPUT_DIR $what" >&2
        exit 2
    fi
    SIM=$1
    OUT=$2/$3
}

fail() {
    echo "FAILED: $*" >&2
    if [[ -f "$OUT/sim.out" ]]; then
        echo "--- simulator output:" >&2
        cat "$OUT/sim.out" >&2
    fi
    if [[ -s "$OUT/sim.err" ]]; then
        echo "--- simulator stderr:" >&2
        cat "$OUT/sim.err" >&2
    fi
    import -window root "$OUT/failure.png" 2>/dev/null && echo "screenshot: $OUT/failure.png" >&2
    exit 1
}

# Skips (status 77) unless DISPLAY is set and every tool named is installed; fails without the
# simulator; then makes OUT empty.
prepare_run() {  # prepare_run TOOL...
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed" >&2; exit $SKIP; }
    done
    [[ -n "${DISPLAY:-}" ]] || { echo "SKIPPED: no X display" >&2; exit $SKIP; }
    [[ -x "$SIM" ]] || fail "no simulator at $SIM"
    rm -rf "$OUT"
    mkdir -p "$OUT"
}

stop_sim() {
    stop_process "$sim_pid"
    sim_pid=""
}
trap stop_sim EXIT

# shellcheck source=tests/x11/processes.sh
source "$(dirname "${BASH_SOURCE[0]}")/../x11/processes.sh"

# The visible windows of the simulator, one X window ID per line.
sim_windows() {
    xdotool search --onlyvisible --class '^vespane-rgb-sim$' 2>/dev/null
}

sim_running() { kill -0 "$sim_pid" 2>/dev/null; }

# Whether a window manager runs (an EWMH one names its check window on the root window).
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The visible simulator window of 800 x 540 pixels (times SCALE): the main window.
find_main_window() {
    local id
    for id in $(sim_windows); do
        if [[ "$(geometry_of "$id" | cut -d' ' -f3,4)" == "$((800 * SCALE)) $((540 * SCALE))" ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Starts the simulator with the given options and waits until its main window is mapped; sets
# main_window and its screen position WX, WY.
start_sim() {
    "$SIM" "$@" >"$OUT/sim.out" 2>"$OUT/sim.err" &
    sim_pid=$!
    has_main_window() { ! sim_running || find_main_window >/dev/null; }
    wait_until 20 has_main_window || fail "the main window was not mapped within 20 s"
    sim_running || fail "the simulator ended at start-up"
    main_window=$(find_main_window)
    read_position
}

# Starts the simulator and waits for its first window, whatever it is; prints its ID.
start_sim_any_window() {
    "$SIM" "$@" >"$OUT/sim.out" 2>"$OUT/sim.err" &
    sim_pid=$!
    has_window() { ! sim_running || [[ -n "$(sim_windows)" ]]; }
    wait_until 20 has_window || fail "no window was mapped within 20 s"
    sim_running || fail "the simulator ended at start-up"
    sim_windows | head -n 1
}

# Reads the main window's screen position into WX, WY.
read_position() {
    local x y width height
    read -r x y width height <<<"$(geometry_of "$main_window")"
    [[ $width -eq $((800 * SCALE)) && $height -eq $((540 * SCALE)) ]] ||
        fail "the main window is ${width}x${height}, not $((800 * SCALE))x$((540 * SCALE))"
    WX=$x
    WY=$y
}

# Moves the pointer to window coordinates x, y (of the main window, or of the window whose
# position is given as $3, $4).
point_at() {
    local x=$((SCALE * $1 + ${3:-$WX})) y=$((SCALE * $2 + ${4:-$WY}))
    move_pointer_to "$x" "$y"
}

# Moves the pointer to screen point $1, $2 and waits until it is there. (xdotool's own wait,
# `mousemove --sync`, waits for a move and sits out its 15 s limit when the pointer is there
# already.)
move_pointer_to() {
    read_pointer && [[ $PTRX == "$1" && $PTRY == "$2" ]] && return 0
    xdotool mousemove --sync "$1" "$2" || fail "cannot move the pointer to $1,$2"
    PTRX=$1
    PTRY=$2
}

# Reads where the pointer is into PTRX, PTRY. (It fails when the window under the pointer goes
# away as it is read, a tooltip for one.)
read_pointer() {
    local X="" Y="" SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell 2>/dev/null)"
    [[ -n $X && -n $Y ]] || return 1
    PTRX=$X
    PTRY=$Y
}

# A left click at window coordinates: press and release with the pointer resting there.
click_at() {
    point_at "$@"
    xdotool click 1 || fail "cannot click at $1,$2"
}

line_count() { wc -l <"$OUT/sim.out"; }

has_lines() { [[ $(line_count) -ge $1 ]]; }

# Waits until the simulator has printed at least $1 lines.
wait_lines() {
    wait_until "${2:-10}" has_lines "$1" || fail "expected $1 report lines within ${2:-10} s, got $(line_count)"
}

# The report line for a direction and the leading bytes given in hex; the rest of the 65 bytes
# are zero.
report_line() {
    local digits=$2
    while [[ ${#digits} -lt $REPORT_DIGITS ]]; do digits+="0"; done
    echo "$1 $digits"
}

# Checks that line $1 of the output is the report given by direction $2 and leading bytes $3.
expect_line() {
    local expected actual
    expected=$(report_line "$2" "$3")
    actual=$(sed -n "$1p" "$OUT/sim.out")
    [[ "$actual" == "$expected" ]] || fail "line $1: expected
  $expected
got
  $actual"
}

# Checks that the output has exactly $1 lines (after waiting on something else that proves the
# program has handled all earlier input).
expect_line_total() {
    [[ $(line_count) -eq $1 ]] || fail "expected exactly $1 report lines, got $(line_count)"
}

# A visible simulator window other than the main window, if any.
other_window() {
    sim_windows | grep -vx "$main_window" | head -n 1
}
has_other_window() { [[ -n "$(other_window)" ]]; }
no_other_window() { [[ -z "$(other_window)" ]]; }

# Waits for a second window (message box, popup, tooltip) to be mapped; prints its ID.
wait_other_window() {
    wait_until "${1:-10}" has_other_window || fail "no second window was mapped within ${1:-10} s"
    other_window
}

# Prints X Y WIDTH HEIGHT of a window.
geometry_of() {
    # A window that is gone (a tooltip hidden meanwhile) reads as 0 0 0 0.
    local X=0 Y=0 WIDTH=0 HEIGHT=0 WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    echo "$X $Y $WIDTH $HEIGHT"
}

screenshot() {
    import -window root "$OUT/$1.png" || fail "cannot take a screenshot"
}

# Prints how many pixels of the rectangle (screen coordinates x y w h) of picture $1 are white or
# nearly white.
white_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -colorspace RGB -fuzz 12% -fill black \
        +opaque white -fill white -opaque white -format '%[fx:round(mean*w*h)]' info:
}

# Prints how many pixels of the rectangle (screen coordinates x y w h) of picture $1 are dark
# (text ink).
dark_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -colorspace Gray -threshold 35% -negate \
        -format '%[fx:round(mean*w*h)]' info:
}

# Prints how many pixels of the rectangle (x y w h) differ between pictures $1 and $2.
differing_pixels() {
    local geometry="${5}x${6}+${3}+${4}"
    convert "$1" -crop "$geometry" +repage "$OUT/crop-a.png" || return 1
    convert "$2" -crop "$geometry" +repage "$OUT/crop-b.png" || return 1
    compare -metric AE "$OUT/crop-a.png" "$OUT/crop-b.png" null: 2>&1 | cut -d" " -f1
}
