# Sourced by cli_test.sh: every failed read names its reason in one line,
# validate counts and warns, help explains, and output errors count.

# A damaged file: the parser's reason with line and column.
printf '<TDW_InstrumentConfiguration>\n  <Instrument Type="11">\n  </Instrumen>\n' \
    > "$scratch/mismatched.xmlcon"
check "mismatched tag" 1 "$tool" report "$scratch/mismatched.xmlcon"
contains "mismatched tag at its place" "$scratch/err" "$scratch/mismatched.xmlcon:3:5: mismatched tag"
check "truncated file" 1 "$tool" info "$scratch/broken.xmlcon"
grep -qE "broken.xmlcon:[0-9]+:[0-9]+: " "$scratch/err" && passed=$((passed + 1)) ||
    { failed=$((failed + 1)); echo "FAIL truncated file has no position"; cat "$scratch/err"; }
check "plain text" 1 "$tool" report "$scratch/plain.txt"
contains "plain text is neither format" "$scratch/err" "neither an .xmlcon document nor a legacy .con"
lacks "plain text: no talk of later" "$scratch/err" "yet"
printf '<Other/>\n' > "$scratch/other.xml"
check "another document" 1 "$tool" report "$scratch/other.xml"
contains "another document names its root" "$scratch/err" "the root element is <Other>"

# A file that parses: the element or attribute that was missing or refused.
sed 's|<Mode>0</Mode>||' "$example" > "$scratch/nomode.xmlcon"
sed 's|<CellConst>2000.0000</CellConst>||' "$example" > "$scratch/nocell.xmlcon"
sed 's|<CellConst>2000.0000<|<CellConst>2k<|' "$example" > "$scratch/textcell.xmlcon"
sed 's|Sensor index="4" SensorID="67"|Sensor index="4"|' "$example" > "$scratch/noid.xmlcon"
for case in "nomode|Instrument: Mode is missing" \
            "nocell|Instrument/SensorArray/Sensor[1]/ConductivitySensor: CellConst is missing" \
            "textcell|Instrument/SensorArray/Sensor[1]/ConductivitySensor: CellConst is not a number: '2k'" \
            "noid|Instrument/SensorArray/Sensor[4]: attribute SensorID is missing"; do
    name=${case%%|*}
    check "read $name" 1 "$tool" report "$scratch/$name.xmlcon"
    contains "read $name says why" "$scratch/err" "$scratch/$name.xmlcon: ${case#*|}"
    [ "$(wc -l < "$scratch/err")" -eq 1 ] && passed=$((passed + 1)) ||
        { failed=$((failed + 1)); echo "FAIL read $name: not one line"; cat "$scratch/err"; }
done

# validate: a summary, failures only with --quiet, JSON, and warnings for
# values the reader replaced by defaults (the file still reads).
sed 's|<ScansToAverage>8<|<ScansToAverage>0<|' "$example" > "$scratch/zero.xmlcon"
sed 's|<CalibrationDate>14-Mar-26</CalibrationDate>||' "$example" > "$scratch/nodate.xmlcon"
sed 's|<Mode>0</Mode>|<Mode>0</Mode><Trim>1</Trim>|' "$example" > "$scratch/extra.xmlcon"
check "validate warns" 0 "$tool" validate "$scratch/zero.xmlcon" "$scratch/nodate.xmlcon" \
    "$scratch/extra.xmlcon"
contains "range refused" "$scratch/out" \
    "zero.xmlcon: warning: Instrument/ScansToAverage: 0 is outside 1..32767; 1 is kept"
contains "date missing" "$scratch/out" \
    "nodate.xmlcon: warning: Instrument/SensorArray/Sensor[0]/TemperatureSensor: CalibrationDate is missing"
contains "unknown element" "$scratch/out" "extra.xmlcon: warning: Instrument: Trim is not known; ignored"
contains "validate summary" "$scratch/out" "3 ok, 0 failed"
check "validate clean" 0 "$tool" validate "$example"
lacks "a sound file has no warning" "$scratch/out" "warning"
check "validate quiet" 1 "$tool" validate --quiet "$example" "$scratch/nomode.xmlcon"
lacks "quiet hides ok" "$scratch/out" ": ok ("
contains "quiet shows failures" "$scratch/out" "nomode.xmlcon: error: Instrument: Mode is missing"
check "validate json" 1 "$tool" validate --json "$example" "$scratch/mismatched.xmlcon"
contains "json counts" "$scratch/out" '"failed": 1'
contains "json position" "$scratch/out" '"line": 3'
contains "json reason" "$scratch/out" '"error": "mismatched tag"'

# Help: an example and the exit statuses; the program's own name.
for command in report info validate convert new diff set "list instruments"; do
    # shellcheck disable=SC2086
    check "help $command" 0 "$tool" $command --help
    contains "help $command example" "$scratch/out" "Example:"
    contains "help $command statuses" "$scratch/out" "Exit status:"
done
contains "usage names the program" "$scratch/out" "Usage: tw-configctd list instruments"
check "report to standard output" 0 "$tool" report "$example" -o -
same "report -o -" "$scratch/out" "${example%.xmlcon}.report.txt"

# Output that cannot be written fails the command with its reason.
if [ -w /dev/full ]; then
    "$tool" list sensors > /dev/full 2> "$scratch/err"
    [ $? -eq 1 ] && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAIL full disk status"; }
    contains "full disk reason" "$scratch/err" "write error: No space left on device"
fi
{ sleep 0.3; "$tool" list sensors 2> "$scratch/err"; echo $? > "$scratch/status"; } | true
[ "$(cat "$scratch/status")" -eq 1 ] && passed=$((passed + 1)) ||
    { failed=$((failed + 1)); echo "FAIL closed pipe status $(cat "$scratch/status")"; }
contains "closed pipe reason" "$scratch/err" "write error: Broken pipe"
