#!/bin/bash
# The two command-line programs as a shell script runs them: what they link, their exit statuses,
# which stream gets what, the simulator twin's report lines, and a controller that never answers.
#
#   tests/cli/programs_check.sh VESPANE_RGBCTL VESPANE_RGBCTL_SIM [BASH_COMPLETION]
set -u
ctl=$1
sim=$2
completion=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run PROGRAM ARGS...: the exit status in $status, the streams in $work/out and $work/err.
run() {
    "$@" </dev/null >"$work/out" 2>"$work/err"
    status=$?
}
expect_status() {  # expect_status WANTED WHAT
    [[ $status -eq $1 ]] || fail "$2: exit status $status, not $1 (stderr: $(cat "$work/err"))"
}
zeros() { printf '%0*d' "$1" 0; }

# Built from the device code only: no window system, no fonts.
for program in "$ctl" "$sim"; do
    libraries=$(ldd "$program") || fail "ldd $program failed"
    if grep -Eiq 'libSDL|libX11|libXext|libxcb|libwayland|libfreetype|libfontconfig|libpng' \
        <<<"$libraries"; then
        fail "$(basename "$program") links a display or font library:"$'\n'"$libraries"
    fi
done
grep -q 'libhidapi-hidraw' <<<"$(ldd "$ctl")" || fail "vespane-rgbctl does not link hidapi"

# The simulator twin prints each report exactly as the window's simulator does.
run "$sim" --leds 12 apply --channel both --effect Breathe --preset 5
expect_status 0 "apply on both channels"
expected=$(printf 'write %s%s\nwrite %s%s' 00800b020f0800010300ff00 "$(zeros 106)" \
    008004020300010300ff00 "$(zeros 108)")
[[ $(cat "$work/out") == "$expected" ]] || fail "apply printed: $(cat "$work/out")"
[[ -s $work/err ]] && fail "apply wrote to stderr: $(cat "$work/err")"

run "$sim" --colour=1,2,3 status --json
expect_status 0 "status --json"
[[ $(tail -n 1 "$work/out") == '{"mode":0,"effect":null,"red":1,"green":2,"blue":3,"led_count":30}' ]] ||
    fail "status --json printed: $(cat "$work/out")"

# Usage errors: status 2, the reason on stderr, nothing on stdout (no report was written).
for args in "apply --channel vrgb --effect 8 --preset 1" "leds 65" "dance" "--leds 300 status" \
    "status --json extra" ""; do
    # shellcheck disable=SC2086
    run "$sim" $args
    expect_status 2 "'$args'"
    [[ -s $work/out ]] && fail "'$args' printed: $(cat "$work/out")"
    [[ -s $work/err ]] || fail "'$args' said nothing on stderr"
done
run "$sim" apply --channel vrgb --effect Vespane
grep -q 'the VRGB effects are 1 ColorBreathe, 2 Rainbow, 3 Breathe, 4 Off, 5 TwoBlink, 6 Blink, 7 Static$' \
    "$work/err" || fail "the VRGB refusal does not list the VRGB effects: $(cat "$work/err")"

# Controller problems: status 1 and exactly one line on stderr.
run "$sim" --absent leds 8
expect_status 1 "--absent leds 8"
[[ $(wc -l <"$work/err") -eq 1 ]] || fail "--absent: not one line: $(cat "$work/err")"

# A controller that never answers: the status query gives up after the read limit (500 ms) and
# does not go on to wait for the LED count as well.
start=$(date +%s%N)
run "$sim" --silent status
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
expect_status 1 "--silent status"
grep -q 'did not answer within 500 ms' "$work/err" || fail "--silent status said: $(cat "$work/err")"
[[ $(wc -l <"$work/out") -eq 1 ]] || fail "--silent status sent more than the first query"
readonly margin_ms=2500
((elapsed_ms <= 500 + margin_ms)) || fail "--silent status took $elapsed_ms ms"
echo "--silent status ended after $elapsed_ms ms"

# Help and version: status 0 on stdout, for both programs.
for program in "$ctl" "$sim"; do
    name=$(basename "$program")
    run "$program" --help
    expect_status 0 "$name --help"
    grep -q "^Usage: $name " "$work/out" || fail "$name --help: $(head -n 1 "$work/out")"
    run "$program" status --help
    expect_status 0 "$name status --help"
    grep -q "^Usage: $name status \[--json\]" "$work/out" || fail "$name status --help"
    run "$program" --version
    expect_status 0 "$name --version"
    grep -Eq "^$name [0-9]+(\.[0-9]+)+$" "$work/out" || fail "$name --version: $(cat "$work/out")"
done
run "$sim" --help
grep -q -- '--garbage' "$work/out" || fail "the twin's help does not show the simulator's options"

# The bash completion, asked as bash asks it: the words so far, the word under the cursor.
complete_words() {  # complete_words WORD... : the candidates for the last word
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vespane_rgbctl
    echo "${COMPREPLY[*]}"
}
if [[ -n $completion ]]; then
    # shellcheck source=packaging/completion/vespane-rgbctl.bash
    source "$completion"
    check_completion() {  # check_completion EXPECTED WORD...
        local expected=$1
        shift
        local got
        got=$(complete_words "$@")
        [[ $got == "$expected" ]] || fail "completion of '$*': '$got', not '$expected'"
    }
    check_completion "status" vespane-rgbctl st
    check_completion "--colour" vespane-rgbctl-sim --c
    check_completion "" vespane-rgbctl --c
    check_completion "argb vrgb both" vespane-rgbctl apply --channel ""
    check_completion "both" vespane-rgbctl apply --effect 1 --channel b
    check_completion "Blink" vespane-rgbctl apply --channel vrgb --effect Bl
    check_completion "Blink BlackHole" vespane-rgbctl apply --channel argb --effect Bl
    check_completion "--preset --colour --help" vespane-rgbctl apply --channel argb --effect 1 -
    check_completion "4 40 41 42 43 44 45 46 47 48 49" vespane-rgbctl leds 4
    check_completion "--json" vespane-rgbctl-sim --silent status --j
fi

[[ $failures -eq 0 ]] || exit 1
echo "programs check passed"
