#!/usr/bin/env bash
# Every command and option that the programs' --help lists is described in
# their manual page: the tool's options in the entry of their command. The
# desktop program answers --help without a display.
# Usage: man_pages_test.sh MAN_DIR TOOL [GUI]
set -u
man=$1
tool=$2
gui=${3:-}
failed=0

# The names in the first column of SECTION of a CLI11 help text.
section() {
    awk -v section="$1:" '$0 == section { inside = 1; next }
        inside && $0 == "" { exit }
        inside && /^  [^ ]/ { print $1 }'
}

# The lines of the page's entry of COMMAND: from "*COMMAND*" at the start of
# a line to the next entry or heading.
entry() {
    awk -v start="*$1*" 'index($0, start) == 1 { inside = 1; print; next }
        inside && /^[*#]/ { exit }
        inside { print }' "$man/tw-configctd.1.scd"
}

missing() {
    echo "FAIL: $1"
    failed=$((failed + 1))
}

# Options as the help names them ("-o,--output"), one name a line.
option_names() { section Options | tr ',' '\n'; }

help=$("$tool" --help)
for name in $(option_names <<<"$help"); do
    grep -qF -- "*$name*" "$man/tw-configctd.1.scd" || missing "tw-configctd $name"
done
for command in $(section Subcommands <<<"$help"); do
    text=$(entry "$command")
    [ -n "$text" ] || { missing "tw-configctd $command has no entry"; continue; }
    command_help=$("$tool" "$command" --help)
    for name in $(option_names <<<"$command_help" | grep -vx -- '-h\|--help') \
        $(section Subcommands <<<"$command_help"); do
        grep -qF -- "*$name*" <<<"$text" || missing "tw-configctd $command $name"
    done
done

if [ -n "$gui" ]; then
    if gui_help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --help); then
        for name in $(grep -oE -- '(^| |,)--?[a-z][-a-z]*' <<<"$gui_help" | tr -d ' ,'); do
            grep -qF -- "*$name*" "$man/tw-configctd-gui.1.scd" || missing "tw-configctd-gui $name"
        done
    else
        missing "tw-configctd-gui --help without a display"
    fi
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$gui" --version)
    [[ $version == "tw-configctd-gui "[0-9]* ]] || missing "tw-configctd-gui --version: $version"
fi

[ "$failed" -eq 0 ] || exit 1
echo "man pages: every command and option described"
