# bash completion for reelwork-cli                            -*- shell-script -*-
# Offers the commands, each command's options, and file names filtered by the kind of file each
# argument takes.

# The kinds of a command's arguments, in order; a kind ending in "..." repeats. A kind is a
# list of extensions (files of that type, and folders to get there), "dir" for a folder, or "-"
# for a word that is not a file.
_reelwork_cli_arguments() {
    case $1 in
        new) echo "dir -" ;;
        info | to-json | create-movie) echo "rwk" ;;
        from-json) echo "json rwk" ;;
        encode-jpeg) echo "jpg|jpeg|png|gif|bmp jpg|jpeg" ;;
        import-video) echo "rwk mp4|m4v|mov|avi|mkv|webm|mpg|mpeg|wmv|flv" ;;
        add) echo "rwk jpg|jpeg|png|gif|bmp|wav|mp3|ogg|flac|m4a|mp4|avi|mkv|mov|webm..." ;;
        slideshow) echo "dir - jpg|jpeg|png|gif|bmp..." ;;
        mp3-to-wave) echo "mp3" ;;
        mp4-to-wave) echo "mp4" ;;
        wave-to-mp3 | duration | normalize | smooth-ends) echo "wav" ;;
        boost-bass | cut) echo "wav - -" ;;
        export-page) echo "cdr - png" ;;
        decode-picture) echo "jpg|jpeg|png|gif|bmp png" ;;
        render-frame) echo "rwk - jpg|jpeg|png|bmp" ;;
        thumbnail) echo "rwk png" ;;
        mix-audio) echo "rwk wav" ;;
        mix) echo "wav wav wav" ;;
        append) echo "wav wav..." ;;
    esac
}

# A command's options.
_reelwork_cli_options() {
    case $1 in
        create-movie) echo "--window --direct" ;;
        encode-jpeg) echo "--quality" ;;
        import-video) echo "--yes" ;;
        add) echo "--at --duration" ;;
        slideshow) echo "--music --duration --fade" ;;
        combine) echo "--audio --video --output --quality --jpg-series --fps" ;;
        thumbnail) echo "--size" ;;
        mix) echo "--balance --loop --auto-level" ;;
    esac
    echo "--help"
}

# How many values an option takes and their kind ("-" for numbers).
_reelwork_cli_option_values() {
    case $1 in
        --window) echo "2 -" ;;
        --quality | --fps | --size | --balance | --at | --duration | --fade) echo "1 -" ;;
        --music) echo "1 wav|mp3|ogg|flac|m4a" ;;
        --audio) echo "1 mp3|wav" ;;
        --video) echo "1 mp4|jpg|jpeg" ;;
        --output) echo "1 mp4" ;;
        *) echo "0" ;;
    esac
}

_reelwork_cli_complete_kind() {
    case $1 in
        -) ;;
        dir) _filedir -d ;;
        *) _filedir "${1%...}" ;;
    esac
}

_reelwork_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="new info to-json from-json create-movie encode-jpeg import-video add slideshow
        mp3-to-wave mp4-to-wave wave-to-mp3 combine export-page decode-picture render-frame
        thumbnail mix-audio duration normalize boost-bass smooth-ends cut mix append"
    local command="" i=1
    while ((i < cword)); do
        case ${words[i]} in
            -*) ;;
            *) command=${words[i]} && break ;;
        esac
        ((i++))
    done
    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    # Walk the words after the command: option values are skipped (and completed when the
    # cursor is on one), the rest are positional arguments.
    local position=0 pending=0 pendingKind="" values
    for ((i++; i < cword; i++)); do
        if ((pending > 0)); then
            ((pending--))
        elif [[ ${words[i]} == -* ]]; then
            values=($(_reelwork_cli_option_values "${words[i]}"))
            pending=${values[0]}
            pendingKind=${values[1]-}
        else
            ((position++))
        fi
    done
    if ((pending > 0)); then
        _reelwork_cli_complete_kind "$pendingKind"
        return
    fi
    local kinds=($(_reelwork_cli_arguments "$command"))
    # Options where the cursor asks for them, and for commands that take nothing else.
    if [[ $cur == -* || ${#kinds[@]} -eq 0 ]]; then
        COMPREPLY=($(compgen -W "$(_reelwork_cli_options "$command")" -- "$cur"))
        return
    fi
    local kind=${kinds[position]-}
    if [[ -z $kind && ${kinds[${#kinds[@]} - 1]} == *... ]]; then
        kind=${kinds[${#kinds[@]} - 1]}
    fi
    [[ -n $kind ]] && _reelwork_cli_complete_kind "$kind"
} &&
    complete -F _reelwork_cli reelwork-cli

# ex: filetype=sh
