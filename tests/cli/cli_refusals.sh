# Sourced by cli_test.sh: every refused file, each with the one line that says
# why. A row is "FILE|REASON": report FILE must fail with exactly
# "FILE: REASON" (or "FILE:LINE...: REASON" when the reason begins with ':').
# validate must give the same reason after "error: ".

con=examples/62-default.con
mkdir -p "$scratch/r"
r=$scratch/r
printf 'not a configuration\n' > "$r/plain.txt"
head -c 300 "$example" > "$r/broken.xmlcon"
printf '<TDW_InstrumentConfiguration>\n  <Instrument Type="11">\n  </Instrumen>\n' > "$r/mismatched.xmlcon"
printf '<Other/>\n' > "$r/other.xml"
sed 's/Type="11"/Type="42"/' "$example" > "$r/type42.xmlcon"
sed 's/ Type="11"//' "$example" > "$r/notype.xmlcon"
sed 's|<Mode>0</Mode>||' "$example" > "$r/nomode.xmlcon"
sed 's|<CellConst>2000.0000</CellConst>||' "$example" > "$r/nocell.xmlcon"
sed 's|<CellConst>2000.0000<|<CellConst>2k<|' "$example" > "$r/textcell.xmlcon"
sed 's|Sensor index="4" SensorID="67"|Sensor index="4"|' "$example" > "$r/noid.xmlcon"
sed 's|<ExternalVoltageChannels>6<|<ExternalVoltageChannels>99<|' "$example" > "$r/volt99.xmlcon"
sed 's|<ExternalVoltageChannels>6<|<ExternalVoltageChannels>3<|' "$example" > "$r/volt3.xmlcon"
sed '1a <!DOCTYPE TDW_InstrumentConfiguration [<!ENTITY sn SYSTEM "/etc/hostname">]>' "$example" \
    > "$r/doctype.xmlcon"
{ printf '<!-- %01200d -->\n' 0; cat "$example"; } > "$r/late.xmlcon"
cp "$example" "$r/huge.xmlcon" && truncate -s 20M "$r/huge.xmlcon"
awk 'NR == 3 { for (i = 0; i < 131072; ++i) printf "<x/>" } { print }' "$example" > "$r/tags.xmlcon"
head -44 "$con" > "$r/short.con"
awk 'NR == 39 { $4 = 999 } { print }' "$con" > "$r/code999.con"
awk 'NR == 39 { $4 = 15 } { print }' "$con" > "$r/code15.con"
awk 'NR == 39 { $1 = 2 } { print }' "$con" > "$r/optional.con"
cp "$example" "$r/locked.xmlcon" && chmod 000 "$r/locked.xmlcon"

refusals=(
    "$r/missing.xmlcon|No such file or directory"
    "$r|it is a folder"
    "/dev/zero|it is a device, not a file"
    "$r/huge.xmlcon|the file is larger than 16 MiB, far more than any configuration"
    "$r/tags.xmlcon|:3:524281: the document holds more than 131072 tags, far more than any configuration"
    "$r/plain.txt|plain.txt is not an ASCII instrument configuration file. It has 1 line; a configuration has 45 or more."
    "$r/short.con|short.con is not an ASCII instrument configuration file. It has 44 lines; a configuration has 45 or more."
    "$r/code999.con|:39: code999.con cannot be read by this program. Instrument code 999 names no instrument model."
    "$r/code15.con|:39: code15.con cannot be read by this program. Instrument code 15 is the TDW 56plus Corvane CTD, which is recognised but not read."
    "$r/optional.con|:39: This program will not work with TDW 62 Vantrel CTD ASCII configuration files that include optional frequencies."
    "$r/broken.xmlcon|:8:5: no element found"
    "$r/mismatched.xmlcon|:3:5: Start-end tags mismatch"
    "$r/doctype.xmlcon|a DOCTYPE or entity declaration is not accepted"
    "$r/other.xml|not an instrument configuration: the root element is <Other>, not <TDW_InstrumentConfiguration>"
    "$r/late.xmlcon|the root element <TDW_InstrumentConfiguration> must come within the first 1000 characters"
    "$r/notype.xmlcon|Instrument: attribute Type is missing"
    "$r/type42.xmlcon|Instrument: Type 42 names no instrument model"
    "$r/nomode.xmlcon|Instrument: Mode is missing"
    "$r/nocell.xmlcon|Instrument/SensorArray/Sensor[1]/ConductivitySensor: CellConst is missing"
    "$r/textcell.xmlcon|Instrument/SensorArray/Sensor[1]/ConductivitySensor: CellConst is not a number: '2k'"
    "$r/noid.xmlcon|Instrument/SensorArray/Sensor[4]: attribute SensorID is missing"
    "$r/volt99.xmlcon|Instrument/ExternalVoltageChannels: 99 disagrees with the SensorArray, which holds 6 external voltage channels"
    "$r/volt3.xmlcon|Instrument/ExternalVoltageChannels: 3 disagrees with the SensorArray, which holds 6 external voltage channels"
)
# An administrator reads any file.
[ -r "$r/locked.xmlcon" ] || refusals+=("$r/locked.xmlcon|Permission denied")

for row in "${refusals[@]}"; do
    file=${row%%|*}
    reason=${row#*|}
    place=$file
    if [ "${reason:0:1}" = ":" ]; then
        place=$file${reason%%: *}
        reason=${reason#*: }
    fi
    expected="$place: $reason"
    check "refused $file" 1 "$tool" report "$file"
    [ "$(cat "$scratch/err")" = "$expected" ] && pass ||
        { fail "refused $file: expected '$expected'"; sed 's/^/  got: /' "$scratch/err"; }
    says 1 out "$place: error: $reason" "$tool" validate "$file"
done
echo "cli: ${#refusals[@]} refusals in the table"
chmod 600 "$r/locked.xmlcon"
