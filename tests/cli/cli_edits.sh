# Sourced by cli_test.sh: info --json of everything, set through the model's
# own checks, and diff by name.

check "json of everything" 0 "$tool" info --json "$example"
contains "json setting" "$scratch/out" '"ScansToAverage": 8'
contains "json coefficient" "$scratch/out" '"G": -9.8346'
contains "json repeated coefficient" "$scratch/out" '"Coefficients[equation=1].CPcor": -9.57e-08'
contains "json text stays text" "$scratch/out" '"serial_number": "0412"'

# set: every change goes through the model; the file changes only when all do.
cp "$example" "$scratch/edit.xmlcon"
check "set" 0 "$tool" set "$scratch/edit.xmlcon" settings.ScansToAverage=4 \
    channels.1.coefficients.G=-4.1e0 channels.3.serial_number=04-1234
check "set result" 0 "$tool" info --json "$scratch/edit.xmlcon"
contains "set setting" "$scratch/out" '"ScansToAverage": 4'
contains "set coefficient" "$scratch/out" '"G": -4.1'
contains "set serial number" "$scratch/out" '"serial_number": "04-1234"'
cp "$scratch/edit.xmlcon" "$scratch/edit.before"
check "set refused range" 1 "$tool" set "$scratch/edit.xmlcon" settings.ScansToAverage=0 \
    channels.1.coefficients.G=1
contains "refused range says why" "$scratch/err" "settings.ScansToAverage: 0 is refused"
check "set refused by the model" 1 "$tool" set "$scratch/edit.xmlcon" \
    settings.ExternalVoltageChannels=99
check "set not a number" 1 "$tool" set "$scratch/edit.xmlcon" channels.1.coefficients.G=big
contains "not a number says so" "$scratch/err" "'big' is not a number"
check "set unknown name" 2 "$tool" set "$scratch/edit.xmlcon" settings.Bogus=1
check "set without a value" 2 "$tool" set "$scratch/edit.xmlcon" settings.Mode
check "set a name twice" 2 "$tool" set "$scratch/edit.xmlcon" settings.ScansToAverage=4 \
    settings.ScansToAverage=5
contains "a name twice is named" "$scratch/err" "settings.ScansToAverage: named more than once"
for spelling in NaN nan inf -Infinity 1e400; do
    check "set G=$spelling" 1 "$tool" set "$scratch/edit.xmlcon" "channels.1.coefficients.G=$spelling"
    contains "G=$spelling is not finite" "$scratch/err" "'$spelling' is not a finite number"
done
check "set a control character" 1 "$tool" set "$scratch/edit.xmlcon" \
    "channels.3.serial_number=$(printf '04\n1234')"
contains "control character named" "$scratch/err" "channels.3.serial_number: '04\n1234' holds a control"
same "refused changes leave the file" "$scratch/edit.xmlcon" "$scratch/edit.before"
check "set a grouped name" 0 "$tool" set "$scratch/edit.xmlcon" \
    "channels.1.coefficients.Coefficients[equation=0].CPcor=-9.5e-08"
check "grouped name set" 0 "$tool" info --json "$scratch/edit.xmlcon"
contains "grouped value" "$scratch/out" '"Coefficients[equation=0].CPcor": -9.5e-08'
cp "$scratch/edit.before" "$scratch/edit.xmlcon"
check "set to another file" 0 "$tool" set "$example" settings.Mode=1 -o "$scratch/moored.xmlcon"

# Text is Latin-1 in the configuration and UTF-8 in JSON and on a UTF-8
# terminal; --raw keeps the bytes.
check "set Latin-1 text" 0 "$tool" set "$example" "channels.3.serial_number=$(printf 'N\351')" \
    -o "$scratch/latin1.xmlcon"
check "json converts Latin-1" 0 "$tool" info --json "$scratch/latin1.xmlcon"
contains "json UTF-8 text" "$scratch/out" "\"serial_number\": \"$(printf 'N\303\251')\""
check "terminal UTF-8" 0 env LC_ALL=C.UTF-8 "$tool" info "$scratch/latin1.xmlcon"
contains "terminal gets UTF-8" "$scratch/out" "$(printf '\tN\303\251\t')"
check "raw bytes" 0 env LC_ALL=C.UTF-8 "$tool" info --raw "$scratch/latin1.xmlcon"
contains "raw keeps the byte" "$scratch/out" "$(printf '\tN\351\t')"

# diff: 0 equal, 1 different with one line per named difference, 2 trouble.
check "diff equal" 0 "$tool" diff "$example" "$scratch/copy.xmlcon"
check "diff different" 1 "$tool" diff "$example" "$scratch/edit.xmlcon"
contains "diff setting" "$scratch/out" "settings.ScansToAverage: 8 -> 4"
contains "diff coefficient in context" "$scratch/out" \
    "channels.1.coefficients.G (channel 2, Frequency 0, Conductivity): -9.83460000e+00 -> -4.10000000e+00"
contains "diff serial number" "$scratch/out" "channels.3.serial_number (channel 4, A/D voltage 0, Altimeter): 62148 -> 04-1234"
[ "$(wc -l < "$scratch/out")" -eq 3 ] && passed=$((passed + 1)) ||
    { failed=$((failed + 1)); echo "FAIL diff lists more than the changes"; cat "$scratch/out"; }
check "diff models" 1 "$tool" diff "$example" "$scratch/moored.xmlcon"
contains "diff mode" "$scratch/out" "settings.Mode: 0 -> 1"
check "diff json" 1 "$tool" diff --json "$example" "$scratch/edit.xmlcon"
contains "diff json equal" "$scratch/out" '"equal": false'
contains "diff json number" "$scratch/out" '"b": -4.1'
check "diff unreadable" 2 "$tool" diff "$example" "$nomode"
check "diff usage" 2 "$tool" diff "$example"

# A number a file holds out of range: null in JSON, a warning from validate.
sed '110s/^-1.03520000e+01/1e400/' examples/812plus-configured.con > "$scratch/huge.con"
check "json of a non-finite number" 0 "$tool" info --json "$scratch/huge.con"
check "json stays JSON" 0 jq -e '.channels[1].coefficients.G == null' "$scratch/out"
check "validate a non-finite number" 0 "$tool" validate "$scratch/huge.con"
contains "validate warns" "$scratch/out" "channels.1.coefficients.G: not a finite number (inf)"

# Control characters a file holds reach a terminal escaped, and a pipe as stored.
sed 's|<SerialNumber>62148</SerialNumber>|<SerialNumber>62\&#10;148</SerialNumber>|' \
    "$example" > "$scratch/newline.xmlcon"
check "terminal escapes" 0 script -qec "'$tool' info '$scratch/newline.xmlcon'" /dev/null
contains "info escapes" "$scratch/out" '62\n148'
check "report escapes" 0 script -qec "'$tool' report '$scratch/newline.xmlcon'" /dev/null
contains "report escapes" "$scratch/out" '62\n148'
check "diff escapes" 1 script -qec "'$tool' diff '$example' '$scratch/newline.xmlcon'" /dev/null
contains "diff escapes" "$scratch/out" '62148 -> 62\n148'
check "pipe keeps bytes" 0 "$tool" info "$scratch/newline.xmlcon"
lacks "pipe is not escaped" "$scratch/out" '62\n148'
