# bash completion for korvalen-ctl
# Setting names come from the connected mouse ("korvalen-ctl get", with the
# --virtual and --mouse given so far); without one, the names every model
# has are offered.

_korvalen_ctl_settings()
{
    local names
    names=$("$@" 2>/dev/null | cut -d' ' -f1)
    if [[ -z $names ]]; then
        names="report-rate pointer-speed scroll-speed lift-off dpi-stage
               dpi1 dpi2 dpi3 dpi4 dpi5 dpi1-enabled dpi2-enabled dpi3-enabled
               dpi4-enabled dpi5-enabled dpi1-link dpi2-link dpi3-link dpi4-link
               dpi5-link effect colour brightness effect-speed button1 button2
               button3 button4 button5 scroll-up scroll-down"
    fi
    echo "$names"
}

_korvalen_ctl()
{
    local cur prev words cword
    _init_completion || return

    local commands="list devices apply get set export import profiles program-profiles udev-rule switch dump verify"
    # A command's options may also stand before the command.
    local global="--virtual --trace -h --help -V --version --json --mouse --mode"

    # The command is the first word that is neither an option nor an
    # option's value.
    local i command="" mouse=() virtual=()
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --virtual | --trace | --mouse | --mode) ((i++)) ;;
            -*) ;;
            *)
                if [[ -z $command ]]; then
                    command=${words[i]}
                fi
                ;;
        esac
        if [[ ${words[i - 1]} == --mouse ]]; then
            mouse=(--mouse "${words[i]}")
        elif [[ ${words[i - 1]} == --virtual ]]; then
            virtual=(--virtual "${words[i]}")
        fi
    done

    case $prev in
        --trace)
            _filedir
            return
            ;;
        --virtual | --mouse | --mode)
            return
            ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$global" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    local options="-h --help"
    case $command in
        list | devices | dump | verify) options+=" --json --mouse" ;;
        apply) options+=" --mouse --dry-run" ;;
        get) options+=" --mouse --mode --json" ;;
        set) options+=" --mouse --mode --apply" ;;
        export) options+=" --mouse --mode --force" ;;
        import) options+=" --mouse --mode --apply" ;;
        profiles) options+=" --mouse --json" ;;
        program-profiles) options+=" --mouse --json" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command in
        get | set)
            # The first positional word is the setting's name.
            local positional=0
            for ((i = 1; i < cword; i++)); do
                case ${words[i]} in
                    --virtual | --trace | --mouse | --mode) ((i++)) ;;
                    -*) ;;
                    *) ((positional++)) ;;
                esac
            done
            if ((positional == 1)); then
                COMPREPLY=($(compgen -W "$(_korvalen_ctl_settings "${words[0]}" "${virtual[@]}" get "${mouse[@]}")" \
                    -- "$cur"))
            elif [[ $command == set && $prev == *-@(enabled|link) ]]; then
                COMPREPLY=($(compgen -W "on off" -- "$cur"))
            elif [[ $command == set && $prev == report-rate ]]; then
                COMPREPLY=($(compgen -W "125 250 500 1000" -- "$cur"))
            fi
            ;;
        export | import | udev-rule)
            _filedir
            ;;
        switch)
            COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            ;;
        program-profiles)
            # The words after the command: the sub-command, then its values.
            local after=()
            for ((i = 1; i < cword; i++)); do
                case ${words[i]} in
                    --virtual | --trace | --mouse | --mode) ((i++)) ;;
                    -*) ;;
                    *) after+=("${words[i]}") ;;
                esac
            done
            case ${#after[@]}:${after[1]} in
                1:) COMPREPLY=($(compgen -W "list add remove default on off" -- "$cur")) ;;
                2:default) COMPREPLY=($(compgen -W "1 2 3 4 5 stay" -- "$cur")) ;;
                3:add) COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur")) ;;
            esac
            ;;
    esac
}
complete -F _korvalen_ctl korvalen-ctl
