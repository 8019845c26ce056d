# bash completion for kvt7ctl: commands, options, the four data file kinds and the serial
# devices present. Self-contained: it needs nothing of the bash-completion package.

_kvt7ctl_devices()
{
    local node byid ports
    kvt7ctl ports 2>/dev/null | while IFS=$'\t' read -r node byid ports; do
        printf '%s\n' "$node"
        case $byid in
            -|'') ;;
            /*) printf '%s\n' "$byid" ;;
            *) printf '%s\n' "/dev/serial/by-id/$byid" ;;
        esac
    done
}

# Folders and the files with one of the extensions given.
_kvt7ctl_files()
{
    local IFS=$'\n' extension
    COMPREPLY+=( $(compgen -d -- "$cur") )
    for extension in "$@"; do
        COMPREPLY+=( $(compgen -f -X "!*.$extension" -- "$cur") )
    done
}

_kvt7ctl_extension()
{
    case $1 in
        positions) echo kvd ;;
        params) echo pmt ;;
        groups) echo grp ;;
        sm) echo smd ;;
    esac
}

_kvt7ctl()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()
    case $prev in
        --port) COMPREPLY=( $(compgen -W "1 2 3 4 5 6 7 8 9" -- "$cur") ); return ;;
        --port-device)
            local IFS=$'\n'
            COMPREPLY=( $(compgen -W "$(_kvt7ctl_devices)" -- "$cur") )
            return ;;
        --lang) COMPREPLY=( $(compgen -W "ja en" -- "$cur") ); return ;;
        --sim-arg) return ;;
    esac

    # The options end at the first word that does not begin with "--".
    local i=1
    while [ "$i" -lt "$COMP_CWORD" ]; do
        case ${COMP_WORDS[i]} in
            --port|--port-device|--lang|--sim-arg) i=$((i + 2)) ;;
            --*) i=$((i + 1)) ;;
            *) break ;;
        esac
    done
    if [ "$i" -ge "$COMP_CWORD" ]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=( $(compgen -W "--port --port-device --simulate --sim-arg --lang --json --help" -- "$cur") )
        else
            COMPREPLY=( $(compgen -W "version status alarm-reset home move run-group where params positions
                groups sm backup restore compare journal actuators io ports print show diff" -- "$cur") )
        fi
        return
    fi

    local command=${COMP_WORDS[i]} verb=${COMP_WORDS[i+1]}
    local count=$((COMP_CWORD - i))  # words of the command before the one completed
    case $command in
        params|positions|groups|sm)
            if [ "$count" -eq 1 ]; then
                COMPREPLY=( $(compgen -W "read write verify check" -- "$cur") )
            elif [[ $cur == -* ]]; then
                local options=""
                [ "$verb" = read ] && options="-o"
                [ "$command" = positions ] && [ "$verb" != check ] && options="$options --range"
                COMPREPLY=( $(compgen -W "$options" -- "$cur") )
            elif [ "$prev" != --range ]; then
                _kvt7ctl_files "$(_kvt7ctl_extension "$command")"
            fi ;;
        print)
            if [ "$count" -eq 1 ]; then
                COMPREPLY=( $(compgen -W "positions params groups sm" -- "$cur") )
            elif [ "$prev" = -o ]; then
                _kvt7ctl_files pdf
            elif [[ $cur == -* ]]; then
                COMPREPLY=( $(compgen -W "-o --range --programs" -- "$cur") )
            else
                _kvt7ctl_files "$(_kvt7ctl_extension "$verb")"
            fi ;;
        show|diff) _kvt7ctl_files kvd pmt grp smd ;;
        backup)
            if [[ $cur == -* ]]; then
                COMPREPLY=( $(compgen -W "--force" -- "$cur") )
            else
                local IFS=$'\n'
                COMPREPLY=( $(compgen -d -- "$cur") )
            fi ;;
        restore)
            if [[ $cur == -* ]]; then
                COMPREPLY=( $(compgen -W "--changed-ok" -- "$cur") )
            else
                local IFS=$'\n'
                COMPREPLY=( $(compgen -d -- "$cur") )
            fi ;;
        compare)
            local IFS=$'\n'
            COMPREPLY=( $(compgen -d -- "$cur") ) ;;
        journal)
            [ "$count" -eq 1 ] && COMPREPLY=( $(compgen -W "--last" -- "$cur") ) ;;
        io|actuators)
            [ "$count" -eq 1 ] && COMPREPLY=( $(compgen -W "set" -- "$cur") ) ;;
        move)
            [[ $cur == -* ]] && COMPREPLY=( $(compgen -W "--axes --sm-skip" -- "$cur") ) ;;
    esac
}

complete -o filenames -F _kvt7ctl kvt7ctl
