#!/bin/bash
# A monkey: random pointer and key input on the simulator under a real X server (started by
# tests/x11/with_x.sh, with or without a window manager), then checks made from the screen: the
# program is alive, its window shows, the selection looks of the buttons agree with each other,
# at most one popup is open, and a final Apply writes its report.
#
#   tests/x11/with_x.sh [--no-wm] tests/e2e/monkey.sh SIMULATOR OUTPUT_DIR NAME
#
# The input is random but seeded: MONKEY_SEED repeats a run (the seed is printed), MONKEY_EVENTS
# sets how many events it sends (default 200, a few seconds), MONKEY_TRACE prints every batch of
# input and where the main window was after it. Enter, Space, Alt and the right
# button are never sent, and the minimise and close buttons never pointed at: they end or hide the
# program, as they should. Exit status 0 passed, 1 failed, 77 skipped.
set -u

here=$(cd "$(dirname "$0")" && pwd)
readonly ART="$here/../../res/bitmaps"
# shellcheck source=tests/e2e/e2e_lib.sh
source "$here/e2e_lib.sh"
take_run_arguments NAME "$@"

prepare_run xdotool import convert

seed=${MONKEY_SEED:-$(($(date +%s%N) / 1000 % 32768))}
events=${MONKEY_EVENTS:-200}
echo "monkey: seed $seed, $events events (MONKEY_SEED=$seed repeats the input)"
RANDOM=$seed
monkey_fail() {
    local id
    for id in $(sim_windows); do
        echo "window $id at $(geometry_of "$id"): $(xprop -id "$id" WM_NAME 2>/dev/null)" >&2
    done
    fail "$* (MONKEY_SEED=$seed)"
}

read -r SCREEN_W SCREEN_H <<<"$(xdotool getdisplaygeometry)"

# ---- Where things are (window coordinates) ------------------------------------------------------

# Rectangles the monkey aims at, "x y width height": the controls, and the popup's controls where
# the popup opens (centred over the main window).
targets=()
for k in $(seq 0 23); do
    targets+=("$((37 + 63 * (k % 8))) $((k < 8 ? 330 : (k < 16 ? 392 : 455))) 59 59")
done
for i in $(seq 0 7); do
    targets+=("$((653 + 33 * (i % 4))) $((i < 4 ? 273 : 302)) 29 28")
done
targets+=(
    "584 45 171 171"                                    # colour wheel
    "586 363 132 12" "586 403 132 12" "586 443 132 12"  # sliders
    "586 474 194 49" "125 294 34 19" "408 29 72 32" "483 29 70 32"  # Apply, sync, channels
    "529 108 17 16" "710 7 17 16"                       # LED quantity and language arrows
    "279 278 243 16" "279 318 114 32" "408 318 114 32"  # popup: slider, reset, confirm
    "0 0 800 540")                                      # anywhere, the bare skin included

# The minimise and close buttons with a margin: nothing is pointed at there.
forbidden() { [[ $1 -ge 728 && $1 -le 796 && $2 -le 38 ]]; }

# Sets PX, PY to a random window point inside target rectangle $1 (an index), never forbidden.
pick_point() {
    local x y w h
    read -r x y w h <<<"${targets[$1]}"
    while true; do
        PX=$((x + RANDOM % w))
        PY=$((y + RANDOM % h))
        forbidden $PX $PY || return 0
    done
}

random_target() { pick_point $((RANDOM % ${#targets[@]})); }

# ---- Input ---------------------------------------------------------------------------------------

readonly KEYS=(Tab Left Right Up Down Home End Prior Next Escape F1 a 5)
batch=()
# Where the pointer is once the input sent so far has been carried out.
PTRX=0
PTRY=0
# A press was sent, and no pointer move since has been seen carried out.
PRESS_UNSEEN=0

sign() { echo $(($1 > 0 ? 1 : ($1 < 0 ? -1 : 0))); }

# A pointer move to screen point $1, $2, kept on the screen (the window may be partly off it).
# Every event goes through the X server's input queue in the order sent: the move is a relative
# XTest motion from where the pointer is by then. (An absolute move warps the pointer as soon as
# the server reads the request, ahead of presses still waiting in that queue, which would then
# land at the batch's last point.)
#
# A window manager that takes the clicks on its windows (openbox: a click focuses and raises)
# freezes the pointer at each press until it lets the press through to the window; the events
# that come in the meantime wait, and the server reports the buttons among them at the pointer's
# place after the last move that waited with them, not where they were aimed. So after a press
# the pointer first takes one pixel of the way, and the rest follows once the server shows the
# pointer there (no longer frozen).
add_screen_move() {
    local x=$(($1 < 0 ? 0 : ($1 >= SCREEN_W ? SCREEN_W - 1 : $1)))
    local y=$(($2 < 0 ? 0 : ($2 >= SCREEN_H ? SCREEN_H - 1 : $2)))
    if [[ $PRESS_UNSEEN -eq 1 && ($x -ne $PTRX || $y -ne $PTRY) ]]; then
        local dx dy
        dx=$(sign $((x - PTRX)))
        dy=$(sign $((y - PTRY)))
        batch+=(mousemove_relative -- "$dx" "$dy")
        PTRX=$((PTRX + dx))
        PTRY=$((PTRY + dy))
        send_batch
        PRESS_UNSEEN=0
    fi
    [[ $x -eq $PTRX && $y -eq $PTRY ]] && return 0
    batch+=(mousemove_relative -- $((x - PTRX)) $((y - PTRY)))
    PTRX=$x
    PTRY=$y
}
add_press() {
    batch+=(mousedown 1)
    PRESS_UNSEEN=1
}

add_move() { add_screen_move $((WX + PX)) $((WY + PY)); }
add_click() {
    add_move
    add_press
    batch+=(mouseup 1)
}

# A drag from a random target to a point that keeps the window on the screen if it is dragged by
# its surface (a drag of a control goes there too); the batch ends with it, as the window may have
# moved.
add_drag() {
    random_target
    add_move
    local x0=$WX y0=$WY
    add_press
    local sx=$PTRX sy=$PTRY
    local tx=$((RANDOM % (SCREEN_W - 800 + 1) - WX)) ty=$((RANDOM % (SCREEN_H - 540 + 1) - WY))
    local steps=$((1 + RANDOM % 6)) s
    for s in $(seq 1 $steps); do
        add_screen_move $((sx + tx * s / steps)) $((sy + ty * s / steps))
    done
    batch+=(mouseup 1)
    send_batch
    settle_after_drag $x0 $y0 $((PTRX - sx)) $((PTRY - sy))
}

# The program may still be moving its window after the input has reached the server (without a
# window manager it moves the window itself, with each move it handles): the next targets are
# aimed at the window where the drag leaves it. Waits until the window stays put (0.3 s); without
# a window manager it must be where it was ($1, $2) or moved by the drag's distance ($3, $4).
settle_after_drag() {
    local x0=$1 y0=$2 dx=$3 dy=$4 lastX="" lastY="" deadline=$((SECONDS + 10))
    while true; do
        read_position
        if [[ $WX == "$lastX" && $WY == "$lastY" ]]; then
            [[ $WM_RUNS -eq 1 ]] && return 0
            [[ $WX -eq $x0 && $WY -eq $y0 ]] && return 0
            [[ $WX -eq $((x0 + dx)) && $WY -eq $((y0 + dy)) ]] && return 0
        fi
        [[ $SECONDS -lt $deadline ]] || break
        lastX=$WX
        lastY=$WY
        sleep 0.3
    done
    [[ $WM_RUNS -eq 1 ]] && return 0
    monkey_fail "a drag by $dx,$dy left the main window at $WX,$WY, neither at $x0,$y0 nor moved by the drag"
}

# Sends the batch and reads where the pointer and the main window are now: one xdotool process
# for all of it, as a rule.
send_batch() {
    [[ ${#batch[@]} -gt 0 ]] || return 0
    [[ -z "${MONKEY_TRACE:-}" ]] || echo "monkey: send ${batch[*]}"
    local px=$PTRX py=$PTRY x0=$WX y0=$WY read
    mapfile -t read < <(xdotool "${batch[@]}" getmouselocation --shell \
        getwindowgeometry --shell "$main_window" 2>/dev/null)
    batch=()
    sim_running || monkey_fail "the program ended during the input"
    # The lines X, Y, SCREEN, WINDOW of the pointer, then WINDOW, X, Y, WIDTH, HEIGHT, SCREEN of
    # the window. The pointer may not be there yet: the server may hold the input back a while (a
    # window manager's grab freezes the pointer until the manager lets the press through). Nor
    # may the reading succeed (the window under the pointer went away as it was read).
    if [[ ${#read[@]} -eq 10 && ${read[0]} == "X=$px" && ${read[1]} == "Y=$py" &&
        ${read[7]} == "WIDTH=800" && ${read[8]} == "HEIGHT=540" ]]; then
        WX=${read[5]#X=}
        WY=${read[6]#Y=}
    else
        pointer_arrived() { read_pointer && [[ $PTRX -eq $px && $PTRY -eq $py ]]; }
        wait_until 10 pointer_arrived ||
            monkey_fail "the pointer is at $PTRX,$PTRY, not at $px,$py where the input took it"
        read_position
    fi
    [[ -z "${MONKEY_TRACE:-}" ]] || echo "monkey: window at $x0,$y0 -> $WX,$WY, pointer at $PTRX,$PTRY"
}

run_monkey() {
    local sent=0 roll
    while [[ $sent -lt $events ]]; do
        sent=$((sent + 1))
        roll=$((RANDOM % 100))
        if [[ $roll -lt 25 ]]; then
            random_target
            add_move
        elif [[ $roll -lt 55 ]]; then
            random_target
            add_click
        elif [[ $roll -lt 60 ]]; then
            random_target
            add_click
            add_press
            batch+=(mouseup 1)
        elif [[ $roll -lt 70 ]]; then
            add_drag
        elif [[ $roll -lt 92 ]]; then
            local key=${KEYS[$((RANDOM % ${#KEYS[@]}))]}
            batch+=(keydown --delay 0 "$key" keyup --delay 0 "$key")
        else
            batch+=(sleep "0.0$((RANDOM % 9 + 1))")
        fi
        [[ ${#batch[@]} -lt 120 ]] || send_batch
    done
    send_batch
}

# ---- Reading the screen --------------------------------------------------------------------------

# The looks of a control: "x y width height name:bitmap ..." (window coordinates; the bitmap
# "skin" is the main window's background there, what shows where the control is hidden).
looks=()
for e in $(seq 1 24); do
    k=$((e - 1))
    selected=$((e <= 7 ? 129 + 2 * e : 145 + 3 * (e - 8)))
    unselected=$((e <= 7 ? 130 + 2 * e : 147 + 3 * (e - 8)))
    width=$((k % 8 == 2 || k % 8 == 4 || k % 8 == 7 ? 59 : 60))
    looks+=("$((37 + 63 * (k % 8))) $((k < 8 ? 330 : (k < 16 ? 392 : 455))) $width 59 selected:$selected unselected:$unselected hidden:skin")
done
swatches=(208 214 218 216 220 212 210 222)
for i in $(seq 0 7); do
    looks+=("$((653 + 33 * (i % 4))) $((i < 4 ? 273 : 302)) 29 28 selected:$((swatches[i] + 1)) unselected:${swatches[i]}")
done
looks+=("125 294 34 19 off:204 on:205")
looks+=("408 29 72 32 selected:201 unselected:200 hidden:skin")
looks+=("483 29 70 32 selected:203 unselected:202 hidden:skin")

# Prints one word per entry of `looks`: the name of the bitmap that picture $1 shows there (the
# closest one, if clearly closer than the others), or "unknown".
read_looks() {
    local args=("$1" -write mpr:screen +delete "$ART/130.bmp" -write mpr:skin +delete)
    local entry x y w h candidate bitmap
    for entry in "${looks[@]}"; do
        read -r x y w h _ <<<"$entry"
        for candidate in ${entry#* * * * }; do
            bitmap=${candidate#*:}
            args+=("(" mpr:screen -crop "${w}x${h}+$((WX + x))+$((WY + y))" +repage)
            if [[ $bitmap == skin ]]; then
                args+=("(" mpr:skin -crop "${w}x${h}+${x}+${y}" +repage ")")
            else
                args+=("$ART/$bitmap.bmp")
            fi
            args+=(-metric AE -fuzz 3% -compare ")")
        done
    done
    local distances
    mapfile -t distances < <(convert "${args[@]}" -format '%[distortion]\n' info:)
    local n=0
    for entry in "${looks[@]}"; do
        read -r x y w h _ <<<"$entry"
        local best="unknown" bestDistance=$((w * h)) secondDistance=$((w * h))
        for candidate in ${entry#* * * * }; do
            local d=${distances[$n]%.*}
            n=$((n + 1))
            if [[ $d -lt $bestDistance ]]; then
                secondDistance=$bestDistance
                bestDistance=$d
                best=${candidate%%:*}
            elif [[ $d -lt $secondDistance ]]; then
                secondDistance=$d
            fi
        done
        # Clearly that bitmap: a few pixels off at most (the edges a shape cuts away), and far
        # closer than any other.
        if [[ $((bestDistance * 10)) -gt $((w * h)) || $((bestDistance * 3)) -gt $secondDistance ]]; then
            best="unknown"
        fi
        echo "$best"
    done
}

# Counts the words $2... equal to $1.
count_of() {
    local word=$1 n=0
    shift
    for w in "$@"; do [[ $w == "$word" ]] && n=$((n + 1)); done
    echo $n
}

# The checks on the selection looks in picture $1; sets SYNC_ON and CHANNEL (argb, vrgb or none).
check_looks() {
    local seen
    mapfile -t seen < <(read_looks "$1")
    [[ ${#seen[@]} -eq ${#looks[@]} ]] || monkey_fail "could not read the screen"
    echo "monkey: looks ${seen[*]}"
    local effects=("${seen[@]:0:24}") presets=("${seen[@]:24:8}")
    local sync=${seen[32]} argb=${seen[33]} vrgb=${seen[34]}
    local i
    for i in $(seq 0 34); do
        [[ ${seen[$i]} != unknown ]] || monkey_fail "control $i of the look table shows none of its bitmaps"
    done
    for i in $(seq 0 6); do
        [[ ${effects[$i]} != hidden ]] || monkey_fail "effect $((i + 1)) is hidden"
    done
    local argbOnlyHidden
    argbOnlyHidden=$(count_of hidden "${effects[@]:7}")
    [[ $argbOnlyHidden -eq 0 || $argbOnlyHidden -eq 17 ]] ||
        monkey_fail "$argbOnlyHidden of the 17 ARGB-only effects are hidden"
    local effectsSelected
    effectsSelected=$(count_of selected "${effects[@]}")
    if [[ $argbOnlyHidden -eq 0 ]]; then
        [[ $effectsSelected -eq 1 ]] || monkey_fail "$effectsSelected effect buttons look selected"
    else
        [[ $effectsSelected -le 1 ]] || monkey_fail "$effectsSelected effect buttons look selected"
    fi
    local presetsSelected
    presetsSelected=$(count_of selected "${presets[@]}")
    [[ $presetsSelected -le 1 ]] || monkey_fail "$presetsSelected preset swatches look selected"
    if [[ $sync == on ]]; then
        SYNC_ON=1
        CHANNEL=none
        [[ $argb == hidden && $vrgb == hidden ]] ||
            monkey_fail "synchronized, yet the channel buttons show ($argb, $vrgb)"
        [[ $argbOnlyHidden -eq 17 ]] || monkey_fail "synchronized, yet the ARGB-only effects show"
    else
        SYNC_ON=0
        if [[ $argb == selected && $vrgb == unselected ]]; then
            CHANNEL=argb
        elif [[ $argb == unselected && $vrgb == selected ]]; then
            CHANNEL=vrgb
        else
            monkey_fail "not synchronized, and the channel buttons show ($argb, $vrgb)"
        fi
    fi
}

# ---- After the input -----------------------------------------------------------------------------

# Wide windows other than the main window: the LED quantity popup, a message box (tooltips are
# narrower and lower).
popups() {
    local id width height
    for id in $(sim_windows); do
        [[ $id == "$main_window" ]] && continue
        read -r _ _ width height <<<"$(geometry_of "$id")"
        [[ $width -gt 200 && $height -gt 80 ]] && echo "$id"
    done
}
no_popup() { [[ -z "$(popups)" ]]; }
no_other_window_left() { [[ -z "$(other_window)" ]]; }

# The pointer to a corner of the screen away from the main window.
point_away() {
    local x=0 y=0
    [[ $((WX + 400)) -lt $((SCREEN_W / 2)) ]] && x=$((SCREEN_W - 1))
    [[ $((WY + 270)) -lt $((SCREEN_H / 2)) ]] && y=$((SCREEN_H - 1))
    move_pointer_to $x $y
}

# Whether the screen stays the same for a moment (the program has handled what it was sent).
settled() {
    import -window root "$OUT/settle-a.png" || return 1
    sleep 0.25
    import -window root "$OUT/settle-b.png" || return 1
    [[ $(compare -metric AE "$OUT/settle-a.png" "$OUT/settle-b.png" null: 2>&1 | cut -d' ' -f1) == 0 ]]
}

# Non-black pixels of the main window's rectangle in picture $1 (what of it is on the screen).
lit_pixels() {
    convert "$1" -crop "800x540+$WX+$WY" +repage -colorspace Gray -threshold 4% \
        -format '%[fx:round(mean*w*h)]' info:
}

wholly_on_screen() {
    read_position
    [[ $WX -ge 0 && $WY -ge 0 && $((WX + 800)) -le $SCREEN_W && $((WY + 540)) -le $SCREEN_H ]]
}

finish() {
    point_away
    # A window manager asked to drag the window by a press that was released before it took the
    # pointer drags on until the next click: this one, where no window is.
    xdotool mousedown 1 mouseup 1
    sleep 0.5  # for a popup that the last input opens
    sim_running || monkey_fail "the program ended"
    local open
    open=$(popups | wc -l)
    screenshot after-input
    [[ $open -le 1 ]] || monkey_fail "$open popups are open"
    if [[ $open -eq 1 ]]; then
        # The LED quantity popup closes with its confirm button (its slider, when it has the
        # focus, takes every key but Tab), the warning with its OK button.
        local px py width height
        read -r px py width height <<<"$(geometry_of "$(popups)")"
        if [[ $width -eq 340 && $height -eq 195 ]]; then
            click_at 235 162 "$px" "$py"
        else
            # The warning's OK button, at its lower right. (Escape reaches the box only where the
            # X server gives it the keyboard; without a window manager it may not.)
            click_at $((width - 57)) $((height - 26)) "$px" "$py"
        fi
        wait_until 10 no_popup || monkey_fail "the popup did not close"
    fi
    point_away
    wait_until 10 no_other_window_left || monkey_fail "a window stays open with the pointer away"
    wait_until 10 settled || monkey_fail "the screen does not settle"
    if ! wholly_on_screen; then
        # Without a window manager the monkey's drags keep the window on the screen; a window
        # manager's drag started as above may have taken it partly off. Moved back by the
        # desktop, the window goes on working where it is put.
        window_manager_runs || monkey_fail "the main window is at $WX,$WY, not wholly on the screen"
        echo "monkey: main window at $WX,$WY, moved back by the window manager"
        xdotool windowmove "$main_window" 100 100
        wait_until 10 wholly_on_screen || monkey_fail "the main window stays at $WX,$WY"
        point_away
        wait_until 10 settled || monkey_fail "the screen does not settle after the move"
    fi
    screenshot checked
    local lit
    lit=$(lit_pixels "$OUT/checked.png")
    echo "monkey: main window at $WX,$WY, $lit of its pixels lit"
    [[ $lit -gt 200000 ]] || monkey_fail "the main window is black ($lit pixels lit)"
    check_looks "$OUT/checked.png"

    # Effect 1 is offered everywhere; Apply then writes the ARGB report, the VRGB report, or both
    # when synchronized.
    local before
    before=$(line_count)
    click_at $(effect_at 1)
    click_at 683 498
    local expected=1
    [[ $SYNC_ON -eq 1 ]] && expected=2
    wait_until 10 has_lines $((before + expected)) ||
        monkey_fail "Apply wrote $(($(line_count) - before)) reports, not $expected"
    sleep 0.3
    expect_line_total $((before + expected))
    local first
    first=$(sed -n "$((before + 1))p" "$OUT/sim.out")
    case "$CHANNEL" in
        vrgb) [[ $first == "write 00800402"* ]] || monkey_fail "VRGB chosen, Apply wrote: $first" ;;
        *) [[ $first == "write 00800b02"* ]] || monkey_fail "Apply wrote: $first" ;;
    esac
    sim_running || monkey_fail "the program ended after Apply"
}

effect_at() { echo "$((37 + 63 * ($1 - 1) + 29)) 359"; }

start_sim
wait_lines 4
WM_RUNS=0
window_manager_runs && WM_RUNS=1
wait_until 10 read_pointer || monkey_fail "cannot read where the pointer is"
started=$SECONDS
run_monkey
echo "monkey: input sent in $((SECONDS - started)) s"
finish
echo "PASSED: monkey"
