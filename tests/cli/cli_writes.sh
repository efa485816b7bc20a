# Sourced by cli_test.sh: writes say why they fail and respect the file.

says 1 err "is a folder" "$tool" convert "$example" "$scratch"
says 1 err "its folder does not exist" "$tool" convert "$example" "$scratch/none/x.xmlcon"

# The format follows the extension: .con legacy, any other name .xmlcon.
check "short name" 0 "$tool" convert "$example" "$scratch/cast"
same "short name is .xmlcon" "$example" "$scratch/cast"

# A link is followed and its target replaced; the mode is kept.
mkdir "$scratch/w"
cp "$example" "$scratch/w/target.xmlcon"
chmod 640 "$scratch/w/target.xmlcon"
ln -s target.xmlcon "$scratch/w/link.xmlcon"
check "write through a link" 0 "$tool" set "$scratch/w/link.xmlcon" settings.ScansToAverage=2
[ -L "$scratch/w/link.xmlcon" ] && pass || fail "the link was replaced"
contains "the target changed" "$scratch/w/target.xmlcon" "<ScansToAverage>2<"
[ "$(stat -c %a "$scratch/w/target.xmlcon")" = 640 ] && pass || fail "mode not kept"

# A write-protected file needs --force, and stays protected.
chmod 444 "$scratch/w/target.xmlcon"
says 1 err "is write-protected" "$tool" set "$scratch/w/target.xmlcon" settings.ScansToAverage=3
contains "write-protected unchanged" "$scratch/w/target.xmlcon" "<ScansToAverage>2<"
check "forced" 0 "$tool" set --force "$scratch/w/target.xmlcon" settings.ScansToAverage=3
contains "forced write" "$scratch/w/target.xmlcon" "<ScansToAverage>3<"
[ "$(stat -c %a "$scratch/w/target.xmlcon")" = 444 ] && pass || fail "forced write lost the mode"
chmod 644 "$scratch/w/target.xmlcon"

# A temporary file of a killed run is swept by the next write; none is left.
sh -c 'exit 0' & dead=$!
wait "$dead"
touch "$scratch/w/.target.xmlcon.tmp$dead.0"
check "write sweeps" 0 "$tool" convert "$example" "$scratch/w/target.xmlcon"
check "report beside" 0 "$tool" report "$example" -o "$scratch/w/report.txt"
[ "$(ls -A "$scratch/w" | grep -c tmp)" -eq 0 ] && pass || fail "temporaries left: $(ls -A "$scratch/w")"

# A report never replaces the configuration it reports.
check "report over its input" 1 "$tool" report "$scratch/w/target.xmlcon" -o "$scratch/w/link.xmlcon"
same "input kept" "$example" "$scratch/w/target.xmlcon"

# A writable file in a folder that cannot be written is saved in place only
# with --force (the system lets the administrator write any folder, so only
# others can tell; the reliability tests do it as another user).
if [ "$(id -u)" -ne 0 ]; then
    chmod 555 "$scratch/w"
    says 1 err "write error: its folder $scratch/w cannot be written" \
        "$tool" set "$scratch/w/target.xmlcon" settings.ScansToAverage=5
    check "closed folder forced" 0 "$tool" set --force "$scratch/w/target.xmlcon" settings.ScansToAverage=5
    contains "saved in place" "$scratch/w/target.xmlcon" "<ScansToAverage>5<"
    chmod 755 "$scratch/w"
fi
