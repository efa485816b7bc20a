# Bash completion of tw-configctd. The commands, options, arguments and model
# names are asked of the tool itself (its --help and `list instruments`), so
# the completion follows whichever version of the tool is run.

# The first column of the lines of SECTION ("Options", "Positionals",
# "Subcommands") in a help text: the lines indented by two spaces, up to the
# first empty line.
_tw_configctd_section() {
    local help=$1 section=$2 line inside=
    while IFS= read -r line; do
        if [[ $line == "$section:" ]]; then
            inside=1
        elif [[ -n $inside && -z $line ]]; then
            break
        elif [[ -n $inside && $line =~ ^\ \ ([^ ].*) ]]; then
            line=${BASH_REMATCH[1]}
            printf '%s\n' "${line%%  *}"
        fi
    done <<<"$help"
}

# Appends the files matching the extensions (case-insensitive, without the
# dot; none: every file) and the folders, for the word being completed.
_tw_configctd_files() {
    local cur=$1 file extension
    shift
    local IFS=$'\n'
    COMPREPLY+=($(compgen -d -- "$cur"))
    while IFS= read -r file; do
        [[ -d $file ]] && continue
        if (($# == 0)); then
            COMPREPLY+=("$file")
            continue
        fi
        for extension; do
            if [[ ${file,,} == *."$extension" ]]; then
                COMPREPLY+=("$file")
                break
            fi
        done
    done < <(compgen -f -- "$cur")
    compopt -o filenames 2>/dev/null
}

# The names of the instrument models, quoted (they hold spaces);
# what is typed may be quoted or escaped.
_tw_configctd_models() {
    local tool=$1 cur=$2 quote= id name
    if [[ $cur == [\"\']* ]]; then
        quote=${cur:0:1}
        cur=${cur:1}
    else
        cur=${cur//\\/}
    fi
    while IFS=$'\t' read -r id name _; do
        [[ $name == "$cur"* ]] || continue
        # Inside an open quote the shell closes it; otherwise the word is
        # given with its quotes.
        if [[ -n $quote ]]; then
            COMPREPLY+=("$name")
        else
            COMPREPLY+=("\"$name\"")
        fi
    done < <("$tool" list instruments 2>/dev/null)
}

# The positional argument NAME of a command, by the name its --help gives.
_tw_configctd_argument() {
    local tool=$1 name=$2 cur=$3
    case $name in
        FILE | IN | A | B) _tw_configctd_files "$cur" xmlcon con ;;
        SENSORFILE) _tw_configctd_files "$cur" xml xmlcon con ;;
        OUT) _tw_configctd_files "$cur" ;;
        MODEL) _tw_configctd_models "$tool" "$cur" ;;
    esac
}

_tw_configctd() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local tool=${COMP_WORDS[0]}
    COMPREPLY=()
    [[ $tool == */* ]] || tool=$(type -P "$tool") || return

    local i command= first=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} != -* ]]; then
            command=${COMP_WORDS[i]}
            first=$((i + 1))
            break
        fi
    done

    local help
    if [[ -z $command ]]; then
        help=$("$tool" --help 2>/dev/null)
        local words
        words=$(_tw_configctd_section "$help" Subcommands)
        [[ $cur == -* ]] && words=$(_tw_configctd_section "$help" Options | tr ',' '\n')
        COMPREPLY=($(compgen -W "$words" -- "$cur"))
        return
    fi

    help=$("$tool" "$command" --help 2>/dev/null) || return
    local options=() valued=() positionals=() entry
    while IFS= read -r entry; do
        local names=${entry%% *}
        options+=(${names//,/ })
        [[ $entry == *" "* ]] && valued+=(${names//,/ })
    done < <(_tw_configctd_section "$help" Options)
    while IFS= read -r entry; do
        positionals+=("$entry")
    done < <(_tw_configctd_section "$help" Positionals)

    if [[ " ${valued[*]} " == *" $prev "* ]]; then
        # Only an output file is given by name; numbers are typed.
        [[ $prev == -o || $prev == --output ]] && _tw_configctd_files "$cur"
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${options[*]}" -- "$cur"))
        return
    fi
    local subcommands
    subcommands=$(_tw_configctd_section "$help" Subcommands)
    if [[ -n $subcommands ]]; then
        ((COMP_CWORD == first)) && COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
        return
    fi

    # Which positional argument the word is: the words before it that are
    # neither options nor their values. The shell splits NAME=VALUE and
    # --option=VALUE at the "=", which joins them again.
    local index=0 word
    for ((i = first; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == = ]]; then
            i=$((i + 1))
        elif [[ $word == -* ]]; then
            [[ " ${valued[*]} " == *" $word "* && ${COMP_WORDS[i + 1]} != = ]] && i=$((i + 1))
        else
            index=$((index + 1))
        fi
    done
    ((${#positionals[@]} > 0)) || return
    if ((index >= ${#positionals[@]})); then
        # Only a last argument that repeats (FILE...) takes more words.
        [[ ${positionals[-1]} == *" ... "* ]] || return
        index=$((${#positionals[@]} - 1))
    fi
    _tw_configctd_argument "$tool" "${positionals[index]%% *}" "$cur"
}

complete -F _tw_configctd tw-configctd
