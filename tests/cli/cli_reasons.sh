# Sourced by cli_test.sh: every failed read names its reason in one line (the
# table of refusals), validate counts and warns, help explains, and output
# errors count.

source "$(dirname "${BASH_SOURCE[0]}")/cli_refusals.sh"
nomode=$r/nomode.xmlcon
mismatched=$r/mismatched.xmlcon

# validate: a summary, failures only with --quiet, JSON, and warnings for
# values the reader replaced by defaults (the file still reads).
sed 's|<ScansToAverage>8<|<ScansToAverage>0<|' "$example" > "$scratch/zero.xmlcon"
sed 's|<CalibrationDate>14-Mar-26</CalibrationDate>||' "$example" > "$scratch/nodate.xmlcon"
sed 's|<Mode>0</Mode>|<Mode>0</Mode><Trim>1</Trim>|' "$example" > "$scratch/extra.xmlcon"
check "validate warns" 0 "$tool" validate "$scratch/zero.xmlcon" "$scratch/nodate.xmlcon" \
    "$scratch/extra.xmlcon"
for text in "zero.xmlcon: warning: Instrument/ScansToAverage: 0 is outside 1..32767; 1 is kept" \
    "nodate.xmlcon: warning: Instrument/SensorArray/Sensor[0]/TemperatureSensor: CalibrationDate is missing" \
    "extra.xmlcon: warning: Instrument: Trim is not known; ignored" "3 ok, 0 failed"; do
    contains "validate warns" "$scratch/out" "$text"
done
head -50 "$con" > "$scratch/cut.con"
says 0 out "cut.con: warning: the file ends at line 50; the lines after it take their defaults" \
    "$tool" validate "$scratch/cut.con"

# Each input is read once: standard input, a pipe and /dev/stdin read as files.
says 0 out "TDW 64plus V2 Vantrel CTD" bash -c '"$1" info - < "$2"' _ "$tool" "$example"
check "report of a pipe" 0 bash -c '"$1" report <(cat "$2")' _ "$tool" "$example"
check "validate /dev/stdin from a pipe" 0 bash -c 'cat "$2" | "$1" validate /dev/stdin' _ \
    "$tool" "$con"
check "validate clean" 0 "$tool" validate "$example"
lacks "a sound file has no warning" "$scratch/out" "warning"
check "validate quiet" 1 "$tool" validate --quiet "$example" "$nomode"
lacks "quiet hides ok" "$scratch/out" ": ok ("
contains "quiet shows failures" "$scratch/out" "nomode.xmlcon: error: Instrument: Mode is missing"
check "validate json" 1 "$tool" validate --json "$example" "$mismatched"
for text in '"failed": 1' '"line": 3' '"error": "Start-end tags mismatch"'; do
    contains "validate json" "$scratch/out" "$text"
done

# Help: an example and the exit statuses; the program's own name.
for command in report info validate convert new diff set "list instruments"; do
    # shellcheck disable=SC2086
    says 0 out "Example:" "$tool" $command --help
    contains "help $command statuses" "$scratch/out" "Exit status:"
done
contains "usage names the program" "$scratch/out" "Usage: tw-configctd list instruments"
check "report to standard output" 0 "$tool" report "$example" -o -
same "report -o -" "$scratch/out" "${example%.xmlcon}.report.txt"

# Output that cannot be written fails the command with its reason.
if [ -w /dev/full ]; then
    "$tool" list sensors > /dev/full 2> "$scratch/err"
    [ $? -eq 1 ] && pass || fail "full disk status"
    contains "full disk reason" "$scratch/err" "write error: No space left on device"
fi
{ sleep 0.3; "$tool" list sensors 2> "$scratch/err"; echo $? > "$scratch/status"; } | true
[ "$(cat "$scratch/status")" -eq 1 ] && pass || fail "closed pipe status $(cat "$scratch/status")"
contains "closed pipe reason" "$scratch/err" "write error: Broken pipe"
