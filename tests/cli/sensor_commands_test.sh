#!/usr/bin/env bash
# Runs the calibration-sheet commands of tw-configctd (export-sensor,
# import-sensor, sensors-header) on the examples and on bad input, checking
# outputs, exit statuses and that failures change no file.
# Usage: sensor_commands_test.sh TOOL (from the source root).
set -u
tool=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The settings file goes to the scratch folder, never to the user's own.
export LOCALAPPDATA=$scratch/appdata
export USERPROFILE=$scratch
source "$(dirname "$0")/checks.sh"

example=examples/64plusV2-profiling.xmlcon
config=$scratch/cast.xmlcon
cp "$example" "$config"

for command in export-sensor import-sensor sensors-header; do
    says 0 out "$command" "$tool" "$command" --help
    check "$command without arguments" 2 "$tool" "$command"
done
check "channel not a number" 2 "$tool" export-sensor "$config" two "$scratch/c.xml"
check "pick not a number" 2 "$tool" import-sensor "$config" 2 "$scratch/c.xml" --pick 0

# Export, then import back: the configuration is written unchanged.
check "export conductivity" 0 "$tool" export-sensor "$config" 2 "$scratch/c.xml"
contains "sensor file root" "$scratch/c.xml" '<ConductivitySensor SensorID="3" TW_ConfigCTD_FileVersion="7.26.2.0">'
contains "folder remembered" "$LOCALAPPDATA/Tidewren/IniFiles/TW_ConfigCTD.ini" \
    "[ConductivitySensor]"
check "import to another file" 0 "$tool" import-sensor "$config" 2 "$scratch/c.xml" -o "$scratch/out.xmlcon"
same "import keeps the configuration" "$scratch/out.xmlcon" "$example"
check "import in place" 0 "$tool" import-sensor "$config" 2 "$scratch/c.xml"
same "import in place keeps the configuration" "$config" "$example"

# A changed sheet replaces the sensor; its report shows the new values.
sed 's|<SerialNumber>0937</SerialNumber>|<SerialNumber>0938</SerialNumber>|' "$scratch/c.xml" \
    > "$scratch/c2.xml"
check "import a changed sheet" 0 "$tool" import-sensor "$config" 2 "$scratch/c2.xml"
says 0 out $'2\tFrequency 0\t3\tConductivity\t0938' "$tool" info "$config"
cp "$example" "$config"

# From a configuration: one pH sensor is taken; two need --pick.
check "import from a configuration" 0 "$tool" import-sensor "$config" 6 "$example"
same "one matching sensor" "$config" "$example"
awk '/<Sensor index="6" SensorID="27">/ {
         print "      <Sensor index=\"6\" SensorID=\"43\">"
         print "        <pH_Sensor SensorID=\"43\">"
         print "          <SerialNumber>1208</SerialNumber>"
         print "          <CalibrationDate>06-Jan-26</CalibrationDate>"
         print "          <Slope>4.6000</Slope>"
         print "          <Offset>2.5000</Offset>"
         print "        </pH_Sensor>"
         skip = 1
     }
     skip && /<\/Sensor>/ { skip = 0; print; next }
     !skip' "$example" > "$scratch/two-ph.xmlcon"
says 1 err "2) Calibration date: 06-Jan-26, Serial number: 1208, Name: pH, 2" \
    "$tool" import-sensor "$config" 6 "$scratch/two-ph.xmlcon"
same "no choice, no change" "$config" "$example"
says 1 err "--pick 3 is beyond the 2 matching sensors" \
    "$tool" import-sensor "$config" 6 "$scratch/two-ph.xmlcon" --pick 3
same "a wrong pick changes nothing" "$config" "$example"
check "pick the second" 0 "$tool" import-sensor "$config" 6 "$scratch/two-ph.xmlcon" --pick 2
says 0 out $'6\tA/D voltage 2\t43\tpH\t1208\t06-Jan-26' "$tool" info "$config"
cp "$example" "$config"

# Bad input: the library's message or a clear one, exit 1, nothing changed.
printf 'not XML at all' > "$scratch/bad.xml"
head -c 400 "$scratch/c.xml" > "$scratch/truncated.xml"
says 1 err "has the wrong tag at the root: 'ConductivitySensor'." \
    "$tool" import-sensor "$config" 1 "$scratch/c.xml"
# A source that cannot be used: the library's message, then the reason it
# leaves out. A row is "SOURCE|MESSAGE|REASON".
mkdir "$scratch/folder.xmlcon"
head -c 300 "$example" > "$scratch/cut.xmlcon"
printf 'junk\n' > "$scratch/junk.con"
sources=(
    "$scratch/bad.xml|Error on line 1, position 15|bad.xml:1:15: No document element found"
    "$scratch/truncated.xml|Error on line|truncated.xml:"
    "$scratch/none.xml|Error parsing XML file $scratch/none.xml|No such file or directory"
    "$scratch/none.con|Could not open $scratch/none.con|none.con: No such file or directory"
    "$scratch/folder.xmlcon|Could not open $scratch/folder.xmlcon|folder.xmlcon: it is a folder"
    "$scratch/cut.xmlcon|cut.xmlcon is not an ASCII|cut.xmlcon:8:5: no element found"
    "$scratch/junk.con|junk.con is not an ASCII|junk.con: junk.con is not an ASCII instrument configuration file. It has 1 line"
)
for row in "${sources[@]}"; do
    IFS='|' read -r source message reason <<< "$row"
    says 1 err "tw-configctd: $message" "$tool" import-sensor "$config" 2 "$source"
    contains "reason for $source" "$scratch/err" "$reason"
done
cp "$scratch/c.xml" "$scratch/c.txt"
says 1 err "not a sensor file (.xml) or an instrument configuration" \
    "$tool" import-sensor "$config" 2 "$scratch/c.txt"
check "a configuration without altimeter" 0 "$tool" new 11 "$scratch/default.xmlcon"
says 1 err "The configuration file selected is not compatible with the specified 'Altimeter' sensor." \
    "$tool" import-sensor "$config" 4 "$scratch/default.xmlcon"
for channel in 0 15; do
    says 1 err "is outside the configuration (1 to 14)" "$tool" export-sensor "$config" $channel "$scratch/x.xml"
done
says 1 err "channel 7 holds no sensor" "$tool" import-sensor "$config" 7 "$scratch/c.xml"
check "unavailable channel" 1 "$tool" export-sensor "$config" 13 "$scratch/x.xml"
check "missing configuration" 1 "$tool" export-sensor "$scratch/none.xmlcon" 2 "$scratch/x.xml"
check "missing output folder" 1 "$tool" export-sensor "$config" 2 "$scratch/no/such/c.xml"
check "output is a folder" 1 "$tool" sensors-header "$config" "$scratch"
check "unwritable configuration folder" 1 "$tool" import-sensor "$config" 2 "$scratch/c.xml" \
    -o "$scratch/no/such/out.xmlcon"
same "failures keep the configuration" "$config" "$example"
[ -e "$scratch/x.xml" ] || [ -e "$scratch/no" ] && fail "a failed command left a file" || pass

# The header document of the example, with the host's notes.
check "sensors header" 0 "$tool" sensors-header "$example" "$scratch/header.xml" \
    --t0pcor -2.5e-8 --t1pcor 1e-8 --wrap62cond --wrap71cond 2
same "stored header" "$scratch/header.xml" examples/64plusV2-profiling.sensors.xml
# Every example: one "sensor" element per channel.
for example in examples/*.xmlcon; do
    check "channels of $example" 0 "$tool" info "$example"
    channels=$(grep -c $'^[0-9][0-9]*\t' "$scratch/out")
    check "header of $example" 0 "$tool" sensors-header "$example" "$scratch/header.xml"
    contains "count of $example" "$scratch/header.xml" "<Sensors count=\"$channels\">"
    contains "last channel of $example" "$scratch/header.xml" "<sensor Channel=\"$channels\">"
done

echo "sensor commands: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
