# Bash completion for vespane-rgbctl and its simulator twin vespane-rgbctl-sim: the commands, their
# options, the channels, the effects (only the VRGB ones once the VRGB channel is chosen) and the
# presets; the twin also offers the simulator's options before the command.

_vespane_rgbctl() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local vrgb_effects="ColorBreathe Rainbow Breathe Off TwoBlink Blink Static"
    local effects="$vrgb_effects Vespane Sakura Emergency Laser Marquee Twinking ColorCycle
        Meteor BlackHole Aqua Flare Forest Stary FireWork Lava Tetris CenterMeteor"
    local sim_options=""
    [[ ${COMP_WORDS[0]##*/} == vespane-rgbctl-sim ]] &&
        sim_options="--colour --leds --absent --silent --flood --garbage"

    local command="" channel="" given="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        local word=${COMP_WORDS[i]}
        if [[ -z $command ]]; then
            case $word in
                apply | leds | status | list | help) command=$word ;;
            esac
            continue
        fi
        given+=" $word"
        [[ ${COMP_WORDS[i - 1]} == --channel ]] && channel=$word
    done

    local words
    case $command in
        "")
            # The simulator's options take a value there, which is the user's to type.
            [[ -n $sim_options && ($prev == --colour || $prev == --leds) ]] && return
            words="apply leds status list help --help --version $sim_options" ;;
        apply)
            case $prev in
                --channel) words="argb vrgb both" ;;
                --effect)
                    if [[ $channel == vrgb || $channel == both ]]; then
                        words=$vrgb_effects
                    else
                        words=$effects
                    fi ;;
                --preset) words="1 2 3 4 5 6 7 8" ;;
                --colour) return ;;
                *)
                    local option
                    for option in --channel --effect --preset --colour; do
                        [[ $given == *" $option"* ]] || words+=" $option"
                    done
                    words+=" --help" ;;
            esac ;;
        leds) [[ -z $given ]] && words="$(seq 4 64)" ;;
        status) words="--json --help" ;;
        list) words="--help" ;;
        help) [[ -z $given ]] && words="apply leds status list" ;;
    esac
    # shellcheck disable=SC2207
    COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -F _vespane_rgbctl vespane-rgbctl vespane-rgbctl-sim
