#!/bin/bash
# End-to-end scenarios: the simulator on a real X server (started by tests/x11/with_x.sh), driven
# by real pointer and key events from xdotool, checked by the report lines it prints and by
# screenshots.
#
#   tests/x11/with_x.sh tests/e2e/e2e_scenarios.sh SIMULATOR OUTPUT_DIR SCENARIO
#
# Exit status 0 passed, 1 failed, 77 skipped (a tool the scenarios need is missing).
set -u

# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
take_run_arguments SCENARIO "$@"
scenario=$3

prepare_run xdotool import convert compare

# Centres of the controls, in window coordinates.
effect_at() {  # effect number 1 to 24 -> "x y"
    local k=$(($1 - 1))
    echo "$((37 + 63 * (k % 8) + 29)) $((330 + (k / 8 == 0 ? 0 : (k / 8 == 1 ? 62 : 125)) + 29))"
}
readonly APPLY="683 498"
readonly SYNC="142 303"
readonly VRGB="518 45"
readonly CLOSE="777 17"
readonly MINIMISE="749 17"
readonly LED_QTY="537 116"
readonly LANGUAGE="718 15"
readonly PRESET_RED="733 287"    # presetButtons[2], preset 2
readonly PRESET_GREEN="700 316"  # presetButtons[5], preset 5

readonly ARGB_QUERY=00800b010f00000003
readonly LED_QUERY=00800d0100

# Start-up: the state query, its answer with the controller's colour, the LED count query with
# the count held so far (0) and its answer.
scenario_startup() {
    start_sim --colour 10,20,30 --leds 42
    wait_lines 4
    expect_line 1 write $ARGB_QUERY
    expect_line 2 read 00800b010f000000030a141e
    expect_line 3 write $LED_QUERY
    expect_line 4 read 00800d012a
    # The desktop has the main window only: the hidden tooltips get theirs when first shown.
    local all
    all=$(xdotool search --class '^vespane-rgb-sim$' 2>/dev/null | wc -l)
    [[ $all -eq 1 ]] || fail "the simulator has $all X windows at start-up, expected the main one only"
    screenshot startup
}

# Starts the simulator, then effect 1, the red preset and Apply: the fifth report line is the
# ARGB report with the effect's mode and the preset's colour.
apply_effect_1_red() {
    start_sim
    wait_lines 4
    click_at $(effect_at 1)
    click_at $PRESET_RED
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800b020f07000103ff0000
}

# An effect, a preset and Apply: one ARGB report with the effect's mode and the preset's colour.
scenario_effect_preset_apply() {
    apply_effect_1_red
    # A second Apply sends the same report again: nothing was consumed.
    click_at $APPLY
    wait_lines 6
    expect_line 6 write 00800b020f07000103ff0000
}

# The synchronize switch: Apply writes the ARGB report and then the VRGB report.
scenario_sync_apply() {
    start_sim
    wait_lines 4
    click_at $SYNC
    click_at $(effect_at 3)
    click_at $PRESET_GREEN
    click_at $APPLY
    wait_lines 6
    expect_line 5 write 00800b020f0800010300ff00
    expect_line 6 write 008004020300010300ff00
    screenshot synchronized
}

# VRGB with the start effect 8: the warning shows and nothing is written while it is open; Enter
# closes it. The program then sends no report for effect 8 (device/device_commands.hpp: the user
# was asked to choose an effect), and a VRGB effect chosen next is sent as such.
scenario_vrgb_warning() {
    start_sim
    wait_lines 4
    click_at $VRGB
    click_at $APPLY
    local box width
    box=$(wait_other_window 10)
    read -r _ _ width _ <<<"$(geometry_of "$box")"
    [[ $width -gt 200 ]] || fail "the second window is ${width} wide: a tooltip, not the warning"
    screenshot warning
    expect_line_total 4
    xdotool key --clearmodifiers Return
    wait_until 10 no_other_window || fail "Enter did not close the warning"
    sim_running || fail "the program ended"
    click_at $(effect_at 5)
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800402060005033d45ff
    expect_line_total 5
}

# Opens the LED quantity popup with a click on its arrow and checks its size: sets popup to its
# window and px, py to its place on the screen (the caller declares them local).
open_led_popup() {
    click_at $LED_QTY
    local width height
    popup=$(wait_other_window 10)
    read -r px py width height <<<"$(geometry_of "$popup")"
    [[ $width -eq 340 && $height -eq 195 ]] || fail "the popup is ${width}x${height}, not 340x195"
}

# The LED quantity popup: focus its slider with a click, End moves it to 64, the confirm button
# writes the count and closes the popup.
scenario_led_popup() {
    start_sim --leds 30
    wait_lines 4
    local popup px py
    open_led_popup
    click_at 170 114 "$px" "$py"  # the slider
    screenshot popup_at_start
    xdotool key --clearmodifiers End
    # The number (in its box at 237, 64 to 262, 84) turns from 30 into 64: dark ink on the light
    # box, drawn anew.
    local nx=$((px + 237)) ny=$((py + 64))
    number_changed() {
        screenshot popup_at_end
        [[ $(differing_pixels "$OUT/popup_at_start.png" "$OUT/popup_at_end.png" $nx $ny 25 20) -gt 15 ]]
    }
    wait_until 10 number_changed || fail "the popup's number did not change with End"
    local start_ink end_ink
    start_ink=$(dark_pixels "$OUT/popup_at_start.png" $nx $ny 25 20)
    end_ink=$(dark_pixels "$OUT/popup_at_end.png" $nx $ny 25 20)
    echo "dark number pixels: 30 -> $start_ink, 64 -> $end_ink"
    [[ $start_ink -ge 15 && $end_ink -ge 15 ]] || fail "the popup shows no number in its box"
    click_at 235 162 "$px" "$py"  # the confirm button
    wait_lines 5
    expect_line 5 write 00800d0240
    wait_until 10 no_other_window || fail "the popup did not close after confirming"
    expect_line_total 5
}

# A press on the main window while the LED quantity popup disables it, dragged off the window and
# released there: under a window manager the X server gives that release to another client, never
# to the program. The next click, on the popup's confirm button, still confirms (its press is not
# lost to a button the desktop libraries still count as held).
scenario_popup_lost_release() {
    start_sim --leds 30
    wait_lines 4
    local popup px py
    open_led_popup
    sleep 0.5
    point_at 671 296  # a preset swatch of the main window, outside the popup
    sleep 0.3
    xdotool mousedown 1
    sleep 0.3
    xdotool mousemove_relative -- 1 1
    sleep 0.3
    xdotool mousemove_relative -- 142 21  # off the main window
    sleep 0.3
    xdotool mouseup 1
    sleep 0.3
    click_at 235 162 "$px" "$py"  # the confirm button
    wait_lines 5
    expect_line 5 write 00800d021e
    popup_gone() { [[ "$(geometry_of "$popup" | cut -d' ' -f3,4)" == "0 0" ]]; }
    wait_until 10 popup_gone || fail "the popup did not close after confirming"
    expect_line_total 5
}

# The language switch: the "Apply" caption turns into Chinese, drawn as real glyphs: the caption
# area changes and holds many white text pixels (a missing font draws nothing or empty boxes).
scenario_language() {
    start_sim
    wait_lines 4
    point_at 300 20  # the pointer off every control, so no hover look changes the pictures
    screenshot english
    local ax=$((WX + 586)) ay=$((WY + 474))
    local english_white
    english_white=$(white_pixels "$OUT/english.png" $ax $ay 194 49)
    click_at $LANGUAGE
    point_at 300 20
    caption_changed() {
        screenshot chinese
        [[ $(differing_pixels "$OUT/english.png" "$OUT/chinese.png" $ax $ay 194 49) -gt 100 ]]
    }
    wait_until 10 caption_changed || fail "the Apply caption did not change after the language switch"
    local chinese_white
    chinese_white=$(white_pixels "$OUT/chinese.png" $ax $ay 194 49)
    echo "white caption pixels: English $english_white, Chinese $chinese_white"
    [[ $chinese_white -ge 150 ]] || fail "the Chinese caption has only $chinese_white white pixels"
    # The language label (650, 5, 50 x 18) now names the other language.
    [[ $(differing_pixels "$OUT/english.png" "$OUT/chinese.png" $((WX + 650)) $((WY + 5)) 50 18) -gt 20 ]] ||
        fail "the language label did not change"
}

# Drags the main window by an empty part of its skin: the pointer moves 100, 75 screen pixels
# with the button held; the window must follow by as much.
drag_by_skin() {
    local x0=$WX y0=$WY
    point_at 360 15
    xdotool mousedown 1
    local step
    for step in 1 2 3 4 5; do
        xdotool mousemove --sync $((x0 + SCALE * 360 + 20 * step)) $((y0 + SCALE * 15 + 15 * step))
    done
    xdotool mouseup 1
    moved() {
        read_position
        [[ $WX -eq $((x0 + 100)) && $WY -eq $((y0 + 75)) ]]
    }
    wait_until 10 moved || fail "the window is at $WX,$WY after a drag by 100,75 from $x0,$y0"
}

# Dragging the window by its skin: press on an empty part, move, release; the window follows.
scenario_drag() {
    start_sim
    wait_lines 4
    drag_by_skin
    screenshot dragged
    expect_line_total 4
}

# The tooltip: resting on an effect button, a small window shows near the pointer after its delay.
scenario_tooltip() {
    start_sim
    wait_lines 4
    point_at 300 20
    local start=$SECONDS
    point_at $(effect_at 2)
    local tip tx ty width height
    tip=$(wait_other_window 5)
    read -r tx ty width height <<<"$(geometry_of "$tip")"
    echo "tooltip ${width}x${height} at $tx,$ty after at most $((SECONDS - start + 1)) s"
    [[ $width -lt 300 && $height -lt 60 ]] || fail "the tooltip window is ${width}x${height}"
    local px=$((WX + 129)) py=$((WY + 359))
    [[ $((tx - px)) -gt -200 && $((tx - px)) -lt 200 && $((ty - py)) -gt -100 && $((ty - py)) -lt 100 ]] ||
        fail "the tooltip at $tx,$ty is far from the pointer at $px,$py"
    screenshot tooltip
    point_at 300 20
    wait_until 10 no_other_window || fail "the tooltip stayed after the pointer left the button"
}

# Hover: resting on "Apply" shows its highlighted plate; leaving it brings the plain one back
# (the button's hover watch notices the pointer has gone).
scenario_hover() {
    start_sim
    wait_lines 4
    point_at 300 20
    screenshot plain
    local ax=$((WX + 586)) ay=$((WY + 474))
    point_at 683 498
    highlighted() {
        screenshot hot
        [[ $(differing_pixels "$OUT/plain.png" "$OUT/hot.png" $ax $ay 194 49) -gt 200 ]]
    }
    wait_until 5 highlighted || fail "the Apply button shows no highlight with the pointer on it"
    point_at 300 20
    plain_again() {
        screenshot after
        [[ $(differing_pixels "$OUT/plain.png" "$OUT/after.png" $ax $ay 194 49) -lt 20 ]]
    }
    wait_until 5 plain_again || fail "the Apply button stayed highlighted after the pointer left"
}

# No controller: "Hardware detection failed." shows before the main window and closes with Enter;
# then the main window comes up, and nothing crosses the link, Apply included.
scenario_absent() {
    local box width
    box=$(start_sim_any_window --absent)
    read -r _ _ width _ <<<"$(geometry_of "$box")"
    [[ $width -ne 800 ]] || fail "the main window showed before the message"
    screenshot no_controller
    xdotool key --clearmodifiers Return
    has_main_window() { find_main_window >/dev/null; }
    wait_until 10 has_main_window || fail "no main window after Enter closed the message"
    main_window=$(find_main_window)
    read_position
    wait_until 10 no_other_window || fail "the message stayed after Enter"
    click_at $APPLY
    click_at $CLOSE
    wait_until 10 eval '! sim_running' || fail "the close button did not end the program"
    expect_line_total 0
}

# The close button ends the program with status 0.
scenario_close() {
    start_sim
    wait_lines 4
    click_at $CLOSE
    wait_until 10 eval '! sim_running' || fail "the close button did not end the program"
    local status=0
    wait "$sim_pid" || status=$?
    sim_pid=""
    [[ $status -eq 0 ]] || fail "the program ended with status $status"
}

# The map state of a window as xwininfo names it (IsViewable, IsUnMapped).
map_state_of() {
    xwininfo -id "$1" 2>/dev/null | sed -n 's/^ *Map State: //p'
}

# The minimise button. A window manager takes the window off the screen and gives it back when
# asked (here by xdotool, as a taskbar would); without one nothing can, and the window stays on
# screen and working. Either way Apply then writes and the close button ends the program.
scenario_minimise() {
    window_manager_runs || fail "no window manager: run this one with openbox"
    start_sim
    wait_lines 4
    click_at $MINIMISE
    unmapped() { [[ "$(map_state_of "$main_window")" == IsUnMapped ]]; }
    wait_until 10 unmapped || fail "the window manager did not take the minimised window away"
    xdotool windowactivate "$main_window" 2>/dev/null
    viewable() { [[ "$(map_state_of "$main_window")" == IsViewable ]]; }
    wait_until 10 viewable || fail "the minimised window did not come back"
    read_position
    apply_and_close_after_minimise
}

scenario_minimise_no_wm() {
    window_manager_runs && fail "a window manager runs: run this one on a bare server"
    start_sim
    wait_lines 4
    click_at $MINIMISE
    # Time for an answer from a window manager there is none of.
    sleep 1
    [[ "$(map_state_of "$main_window")" == IsViewable ]] || fail "the window left the screen"
    apply_and_close_after_minimise
}

apply_and_close_after_minimise() {
    screenshot after_minimise
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800b020f020003033d45ff
    click_at $CLOSE
    wait_until 10 eval '! sim_running' || fail "the close button did not end the program"
}

# Without a window manager the keyboard stays with the program: a tooltip that shows does not take
# it from the main window, and when the LED popup closes the main window has it again (Alt+F4
# then ends the program).
scenario_keys_no_wm() {
    window_manager_runs && fail "a window manager runs: run this one on a bare server"
    start_sim
    wait_lines 4
    point_at $APPLY
    wait_other_window 5 >/dev/null
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$main_window" ]] ||
        fail "the tooltip took the keyboard focus"
    point_at 300 20
    wait_until 10 no_other_window || fail "the tooltip stayed after the pointer left the button"
    open_led_popup
    xdotool key --clearmodifiers Escape
    wait_until 10 no_other_window || fail "Escape did not close the popup"
    xdotool key --clearmodifiers alt+F4
    wait_until 10 eval '! sim_running' || fail "Alt+F4 after the popup closed did not end the program"
    expect_line_total 4
}

# The X property of a window, as xprop prints it after the "=".
property_of() {
    xprop -id "$1" "$2" 2>/dev/null | sed -n 's/^[^=]*= //p'
}

expect_property() {
    local actual
    actual=$(property_of "$1" "$2")
    [[ "$actual" == "$3" ]] || fail "$2 of window $1 is [$actual], not [$3]"
}

need_wmctrl() {
    command -v wmctrl >/dev/null || { echo "SKIPPED: wmctrl is not installed" >&2; exit $SKIP; }
}

# Titles for the taskbar and the window switcher: the main window's and the LED popup's, in both
# the X11 and the EWMH property; the class stays the executable's name.
scenario_title() {
    start_sim
    wait_lines 4
    expect_property "$main_window" _NET_WM_NAME '"Vespane RGB"'
    expect_property "$main_window" WM_NAME '"Vespane RGB"'
    expect_property "$main_window" WM_CLASS '"vespane-rgb-sim", "vespane-rgb-sim"'
    click_at $LED_QTY
    local popup
    popup=$(wait_other_window 10)
    expect_property "$popup" _NET_WM_NAME '"5V ARGB Devices LED Qty Setting"'
    expect_property "$popup" WM_NAME '"5V ARGB Devices LED Qty Setting"'
}

# The desktop's close request (wmctrl asks the window manager, which sends WM_DELETE_WINDOW)
# ends the program with status 0; Escape before it does not.
scenario_desktop_close() {
    need_wmctrl
    start_sim
    wait_lines 4
    # The ARGB button, already chosen: the window takes the keyboard focus and nothing changes.
    # (A click on the bare skin would start a drag by the window manager.)
    click_at 449 45
    xdotool key --clearmodifiers Escape
    # Apply still writes: the program handled the Escape and runs on.
    click_at $APPLY
    wait_lines 5
    sim_running || fail "Escape ended the program"
    wmctrl -c "Vespane RGB" || fail "wmctrl found no window titled Vespane RGB"
    wait_until 10 eval '! sim_running' || fail "the desktop's close request did not end the program"
    local status=0
    wait "$sim_pid" || status=$?
    sim_pid=""
    [[ $status -eq 0 ]] || fail "the program ended with status $status"
    expect_line_total 5
}

# The desktop's close request on the LED popup closes it without writing; the program runs on.
scenario_popup_desktop_close() {
    need_wmctrl
    start_sim --leds 30
    wait_lines 4
    click_at $LED_QTY
    local popup
    popup=$(wait_other_window 10)
    wmctrl -i -c "$popup" || fail "wmctrl cannot close the popup"
    wait_until 10 no_other_window || fail "the popup stayed after the desktop's close request"
    sim_running || fail "the program ended with the popup"
    click_at $APPLY
    wait_lines 5
    expect_line_total 5
}

# SDL asked for its Wayland driver, on a Wayland display that leads nowhere: the program uses the
# X server all the same, its window appears and Apply writes its report.
scenario_wayland_asked() {
    SDL_VIDEODRIVER=wayland WAYLAND_DISPLAY=vr-nowhere start_sim
    wait_lines 4
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800b020f020003033d45ff
    expect_line_total 5
}

# Unplugging and replugging the controller while the program runs (SIGUSR1, SIGUSR2): Apply on
# the unplugged controller writes nothing and shows nothing; after the replug the next Apply
# reaches the controller under its new node, without a restart.
scenario_replug() {
    apply_effect_1_red
    kill -USR1 "$sim_pid"
    click_at $APPLY
    # Off the button, whose tooltip would count as a window.
    point_at 300 20
    sleep 1
    sim_running || fail "the program ended after an Apply on the unplugged controller"
    wait_until 5 no_other_window || fail "a window showed after an Apply on the unplugged controller"
    expect_line_total 5
    kill -USR2 "$sim_pid"
    click_at $PRESET_GREEN
    click_at $APPLY
    wait_lines 6
    expect_line 6 write 00800b020f0700010300ff00
    sleep 0.5
    # Line 6 is the Apply after the replug: the one before it wrote nothing.
    expect_line_total 6
    sim_running || fail "the program ended"
}

# A controller that floods the link with unasked input reports: the start-up still reads its
# colour and count, and Apply still writes.
scenario_flood() {
    start_sim --flood --colour 10,20,30 --leds 42
    wait_lines 4
    expect_line 2 read 00800b010f000000030a141e
    expect_line 4 read 00800d012a
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800b020f020003030a141e
}

# High-density screens (run on a 3000 x 2000 screen at 192 dpi): the program's pixels are SCALE
# device pixels each way; every size below is the program's own, times SCALE.

# Saves the rectangle (screen x y w h) of a new screenshot as $OUT/$1.png.
window_shot() {
    screenshot "$1-screen"
    convert "$OUT/$1-screen.png" -crop "${4}x${5}+${2}+${3}" +repage "$OUT/$1.png" ||
        fail "cannot crop the picture $1"
}

# Waits for the tooltip of effect 2 (the pointer moved from elsewhere to rest on the button) and
# checks that it shows near the pointer; prints its width and height. Its picture is saved as
# $OUT/tip-$SCALE.png.
tooltip_size() {
    point_at $(effect_at 2)
    local tip tx ty width height
    tip=$(wait_other_window 5)
    sleep 0.3  # painted and presented
    read -r tx ty width height <<<"$(geometry_of "$tip")"
    window_shot "tip-$SCALE" "$tx" "$ty" "$width" "$height"
    local px=$((WX + SCALE * 129)) py=$((WY + SCALE * 359)) near=$((SCALE * 200))
    [[ $((tx - px)) -gt -$near && $((tx - px)) -lt $near && $((ty - py)) -gt -$near &&
        $((ty - py)) -lt $near ]] || fail "the tooltip at $tx,$ty is far from the pointer at $px,$py"
    point_at 300 20
    wait_until 10 no_other_window || fail "the tooltip stayed after the pointer left the button"
    echo "$width $height"
}

# The visible simulator window, other than the main window, taller than 60 of the program's
# pixels: a message box or a dialog, not a tooltip.
tall_window() {
    local id
    for id in $(sim_windows | grep -vx "$main_window"); do
        if [[ $(geometry_of "$id" | cut -d' ' -f4) -gt $((60 * SCALE)) ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Opens the VRGB warning (VRGB, then Apply with the start effect), prints its width and height
# and closes it with Enter. Its picture is saved as $OUT/warning-$SCALE.png.
warning_size() {
    click_at $VRGB
    click_at $APPLY
    has_tall_window() { tall_window >/dev/null; }
    wait_until 10 has_tall_window || fail "the warning did not show"
    sleep 0.3  # painted and presented
    local bx by width height
    read -r bx by width height <<<"$(geometry_of "$(tall_window)")"
    window_shot "warning-$SCALE" "$bx" "$by" "$width" "$height"
    echo "$width $height"
    xdotool key --clearmodifiers Return
    no_tall_window() { ! tall_window >/dev/null; }
    wait_until 10 no_tall_window || fail "Enter did not close the warning"
}

# Takes a screenshot of the main window only (the pointer off every control) as $OUT/$1.png.
window_picture() {
    point_at 300 20
    screenshot "$1-screen"
    convert "$OUT/$1-screen.png" -crop "$((800 * SCALE))x$((540 * SCALE))+$WX+$WY" +repage \
        "$OUT/$1.png" || fail "cannot crop the window's picture"
}

# How many pixels differ between two pictures of the same size (by more than $3 %, if given).
pictures_differ() {
    compare -fuzz "${3:-0}%" -metric AE "$1" "$2" null: 2>&1 | cut -d" " -f1
}

# How many pixels of picture $1 are not white (ink, frames, bands), as a whole number.
ink_pixels() {
    convert "$1" -colorspace RGB -fuzz 12% -fill black +opaque white -fill white -opaque white \
        -negate -precision 15 -format '%[fx:round(mean*w*h)]' info:
}

# Checks the picture of a window at 2x ($OUT/$1-2.png) against the same window at 1x
# ($OUT/$1-1.png), and prints what it found: it is finer than 2 x 2 blocks in at least $2 pixels
# (drawn at the screen's resolution, not enlarged), yet each 2 x 2 block's average is the 1x
# pixel, within 10 %, in all but $3 pixels of the 1x picture (the same window, the same text);
# its pixels that are not white are three to five times the 1x picture's.
check_finer_twin() {
    local name=$1 least_finer=$2 most_unlike=$3
    convert "$OUT/$name-2.png" -sample 50% -sample 200% "$OUT/$name-2-blocks.png"
    convert "$OUT/$name-2.png" -scale 50% "$OUT/$name-2-reduced.png"
    local finer unlike ink1 ink2
    finer=$(pictures_differ "$OUT/$name-2.png" "$OUT/$name-2-blocks.png")
    unlike=$(pictures_differ "$OUT/$name-2-reduced.png" "$OUT/$name-1.png" 10)
    ink1=$(ink_pixels "$OUT/$name-1.png")
    ink2=$(ink_pixels "$OUT/$name-2.png")
    echo "$name at 2x: $finer pixels off their 2 x 2 block, $unlike unlike 1x (reduced)," \
        "not white $ink1 -> $ink2"
    [[ $finer =~ ^[0-9]+$ && $unlike =~ ^[0-9]+$ && $ink1 =~ ^[0-9]+$ && $ink2 =~ ^[0-9]+$ ]] ||
        fail "cannot count the pixels of the $name's pictures"
    [[ $finer -ge $least_finer ]] ||
        fail "only $finer pixels of the $name at 2x are finer than 2 x 2 blocks"
    [[ $unlike -le $most_unlike ]] ||
        fail "the $name at 2x, reduced, differs from 1x in $unlike pixels"
    [[ $ink1 -gt 0 && $((ink2 * 10)) -ge $((ink1 * 30)) && $((ink2 * 10)) -le $((ink1 * 50)) ]] ||
        fail "the $name has $ink1 pixels that are not white at 1x but $ink2 at 2x"
}

# VESPANE_RGB_SCALE=1 draws at 1x whatever GDK_SCALE says; GDK_SCALE=2 doubles the main window,
# the tooltip and the warning box. At 2x the window is drawn at the screen's resolution: its
# artwork drawn at 2x and its text with the font at twice its height, finer than 2 x 2 blocks, and
# each 2 x 2 block on average the 1x pixel; the tooltip and the message box the same.
scenario_hidpi_windows() {
    SCALE=1
    VESPANE_RGB_SCALE=1 GDK_SCALE=2 start_sim
    wait_lines 4
    local tip1 box1
    window_picture window-1
    tip1=$(tooltip_size)
    box1=$(warning_size)
    stop_sim
    SCALE=2
    GDK_SCALE=2 start_sim
    wait_lines 4
    local tip2 box2
    window_picture window-2
    tip2=$(tooltip_size)
    box2=$(warning_size)
    echo "tooltip $tip1 -> $tip2, warning $box1 -> $box2"
    read -r w h <<<"$tip1"
    [[ "$tip2" == "$((2 * w)) $((2 * h))" ]] || fail "the tooltip is $tip2 at 2x, $tip1 at 1x"
    read -r w h <<<"$box1"
    [[ "$box2" == "$((2 * w)) $((2 * h))" ]] || fail "the warning is $box2 at 2x, $box1 at 1x"
    # The window: the artwork's edges, gradients and printed text are finer than blocks (a
    # quarter of the window's 1.7 M pixels at least); where its average is unlike the 1x window
    # lies in the text, a small part of the 432,000 pixels.
    check_finer_twin window 400000 10000
    # The tooltip and the message box: their text.
    check_finer_twin tip 100 100
    check_finer_twin warning 500 1000
}

# At 2x, clicks at twice a control's place act on that control: an effect, a preset and Apply
# write their report; the LED popup is 680 x 390, centred on the main window, and its slider and
# confirm button work; a drag by the skin moves the window by the pointer's device pixels, and
# a click after it still lands on its control.
scenario_hidpi_clicks() {
    SCALE=2
    export GDK_SCALE=2
    apply_effect_1_red
    click_at $LED_QTY
    local popup px py width height
    popup=$(wait_other_window 10)
    read -r px py width height <<<"$(geometry_of "$popup")"
    [[ $width -eq 680 && $height -eq 390 ]] || fail "the popup is ${width}x${height}, not 680x390"
    local dx=$((px + width / 2 - WX - 800)) dy=$((py + height / 2 - WY - 540))
    [[ ${dx#-} -le 2 && ${dy#-} -le 2 ]] || fail "the popup's centre is $dx,$dy off the window's"
    screenshot hidpi_popup
    click_at 170 114 "$px" "$py"  # the slider
    xdotool key --clearmodifiers End
    click_at 235 162 "$px" "$py"  # the confirm button
    wait_lines 6
    expect_line 6 write 00800d0240
    wait_until 10 no_other_window || fail "the popup did not close after confirming"
    drag_by_skin  # to an odd place: between two of the program's pixels
    click_at $PRESET_GREEN
    click_at $APPLY
    wait_lines 7
    expect_line 7 write 00800b020f0700010300ff00
    expect_line_total 7
}

# Without a window manager (the program moves the window itself) at 2x: each drag by the skin
# moves the window by the pointer's device pixels exactly, the second from a place between two of
# the program's pixels; clicks after them land on their controls.
scenario_hidpi_drag() {
    SCALE=2
    export GDK_SCALE=2
    start_sim
    wait_lines 4
    drag_by_skin
    drag_by_skin
    click_at $(effect_at 1)
    click_at $PRESET_RED
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800b020f07000103ff0000
    expect_line_total 5
}

# Starts a settings manager publishing the desktop's scale (XSETTINGS, as GTK desktops do).
start_settings_manager() {
    command -v xsettingsd >/dev/null || { echo "SKIPPED: xsettingsd is not installed" >&2; exit $SKIP; }
    printf 'Gdk/WindowScalingFactor %s\n' "$1" >"$OUT/xsettingsd.conf"
    xsettingsd -c "$OUT/xsettingsd.conf" 2>"$OUT/xsettingsd.log" &
    settings_pid=$!
    owns_selection() { grep -q "Took ownership" "$OUT/xsettingsd.log"; }
    wait_until 10 owns_selection || fail "xsettingsd did not take the settings selection"
}

# The desktop's XSETTINGS scale is followed when no variable says otherwise; VESPANE_RGB_SCALE wins
# over it; a GDK_SCALE that is not a scale is ignored with one line on stderr.
scenario_hidpi_xsettings() {
    start_settings_manager 2
    trap 'stop_sim; kill "$settings_pid" 2>/dev/null' EXIT
    SCALE=2
    env -u GDK_SCALE -u VESPANE_RGB_SCALE "$SIM" >"$OUT/sim.out" 2>"$OUT/sim.err" &
    sim_pid=$!
    has_main_window() { ! sim_running || find_main_window >/dev/null; }
    wait_until 20 has_main_window || fail "no 1600x1080 main window with the desktop's scale 2"
    stop_sim
    SCALE=1
    VESPANE_RGB_SCALE=1 start_sim
    [[ ! -s "$OUT/sim.err" ]] || fail "unexpected stderr: $(cat "$OUT/sim.err")"
    stop_sim
    SCALE=2
    GDK_SCALE=1.5 start_sim
    wait_lines 4
    local lines
    lines=$(wc -l <"$OUT/sim.err")
    [[ $lines -eq 1 ]] && grep -q 'GDK_SCALE "1.5"' "$OUT/sim.err" ||
        fail "expected one line about GDK_SCALE on stderr, got: $(cat "$OUT/sim.err")"
    click_at $APPLY
    wait_lines 5
    expect_line 5 write 00800b020f020003033d45ff
}

declare -F "scenario_$scenario" >/dev/null || { echo "no scenario $scenario" >&2; exit 2; }
# A scenario cut short by an error of the shell (an expansion that is no number, say) returns
# non-zero without calling fail: that is a failure too, never a pass.
"scenario_$scenario" || fail "$scenario ended early with status $?"
echo "PASSED: $scenario"
