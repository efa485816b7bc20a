# Sourced by cli_test.sh: info --json of everything, set through the model's
# own checks, and diff by name.

check "json of everything" 0 "$tool" info --json "$example"
for text in '"ScansToAverage": 8' '"G": -9.8346' '"Coefficients[equation=1].CPcor": -9.57e-08' \
    '"serial_number": "0412"'; do
    contains "json of everything" "$scratch/out" "$text"
done

# set: every change goes through the model; the file changes only when all do.
cp "$example" "$scratch/edit.xmlcon"
check "set" 0 "$tool" set "$scratch/edit.xmlcon" settings.ScansToAverage=4 \
    channels.1.coefficients.G=-4.1e0 channels.3.serial_number=04-1234
check "set result" 0 "$tool" info --json "$scratch/edit.xmlcon"
for text in '"ScansToAverage": 4' '"G": -4.1' '"serial_number": "04-1234"'; do
    contains "set result" "$scratch/out" "$text"
done
cp "$scratch/edit.xmlcon" "$scratch/edit.before"
# A row is "STATUS|ARGUMENTS|MESSAGE": set with the arguments (after the file)
# ends with the status and the message, if any, on standard error.
refused=(
    "1|settings.ScansToAverage=0 channels.1.coefficients.G=1|settings.ScansToAverage: 0 is refused"
    "1|settings.ExternalVoltageChannels=99|"
    "1|channels.1.coefficients.G=big|'big' is not a number"
    "2|settings.Bogus=1|"
    "2|settings.Mode|"
    "2|settings.ScansToAverage=4 settings.ScansToAverage=5|settings.ScansToAverage: named more than once"
)
for spelling in NaN nan inf -Infinity 1e400; do
    refused+=("1|channels.1.coefficients.G=$spelling|'$spelling' is not a finite number")
done
for row in "${refused[@]}"; do
    IFS='|' read -r status arguments message <<< "$row"
    # shellcheck disable=SC2086
    says "$status" err "$message" "$tool" set "$scratch/edit.xmlcon" $arguments
done
says 1 err "channels.3.serial_number: '04\n1234' holds a control" \
    "$tool" set "$scratch/edit.xmlcon" "channels.3.serial_number=$(printf '04\n1234')"
same "refused changes leave the file" "$scratch/edit.xmlcon" "$scratch/edit.before"
check "set a grouped name" 0 "$tool" set "$scratch/edit.xmlcon" \
    "channels.1.coefficients.Coefficients[equation=0].CPcor=-9.5e-08"
says 0 out '"Coefficients[equation=0].CPcor": -9.5e-08' "$tool" info --json "$scratch/edit.xmlcon"
cp "$scratch/edit.before" "$scratch/edit.xmlcon"
check "set to another file" 0 "$tool" set "$example" settings.Mode=1 -o "$scratch/moored.xmlcon"

# Text is Latin-1 in the configuration and UTF-8 in JSON and on a UTF-8
# terminal; --raw keeps the bytes.
check "set Latin-1 text" 0 "$tool" set "$example" "channels.3.serial_number=$(printf 'N\351')" \
    -o "$scratch/latin1.xmlcon"
says 0 out "\"serial_number\": \"$(printf 'N\303\251')\"" "$tool" info --json "$scratch/latin1.xmlcon"
says 0 out "$(printf '\tN\303\251\t')" env LC_ALL=C.UTF-8 "$tool" info "$scratch/latin1.xmlcon"
says 0 out "$(printf '\tN\351\t')" env LC_ALL=C.UTF-8 "$tool" info --raw "$scratch/latin1.xmlcon"

# diff: 0 equal, 1 different with one line per named difference, 2 trouble.
check "diff equal" 0 "$tool" diff "$example" "$scratch/copy.xmlcon"
check "diff different" 1 "$tool" diff "$example" "$scratch/edit.xmlcon"
for text in "settings.ScansToAverage: 8 -> 4" \
    "channels.1.coefficients.G (channel 2, Frequency 0, Conductivity): -9.83460000e+00 -> -4.10000000e+00" \
    "channels.3.serial_number (channel 4, A/D voltage 0, Altimeter): 62148 -> 04-1234"; do
    contains "diff different" "$scratch/out" "$text"
done
[ "$(wc -l < "$scratch/out")" -eq 3 ] && pass || fail "diff lists more than the changes"
says 1 out "settings.Mode: 0 -> 1" "$tool" diff "$example" "$scratch/moored.xmlcon"
says 1 out '"equal": false' "$tool" diff --json "$example" "$scratch/edit.xmlcon"
contains "diff json number" "$scratch/out" '"b": -4.1'
check "diff unreadable" 2 "$tool" diff "$example" "$nomode"
check "diff usage" 2 "$tool" diff "$example"

# A number a file holds out of range: null in JSON, a warning from validate.
sed '110s/^-1.03520000e+01/1e400/' examples/812plus-configured.con > "$scratch/huge.con"
check "json of a non-finite number" 0 "$tool" info --json "$scratch/huge.con"
cp "$scratch/out" "$scratch/huge.json"
check "json stays JSON" 0 python3 -c \
    'import json, sys; sys.exit(json.load(open(sys.argv[1]))["channels"][1]["coefficients"]["G"] is not None)' \
    "$scratch/huge.json"
says 0 out "channels.1.coefficients.G: not a finite number (inf)" "$tool" validate "$scratch/huge.con"

# Control characters a file holds reach a terminal escaped, and a pipe as stored.
sed 's|<SerialNumber>62148</SerialNumber>|<SerialNumber>62\&#10;148</SerialNumber>|' \
    "$example" > "$scratch/newline.xmlcon"
if ! script -qec true /dev/null > /dev/null 2>&1; then
    echo "SKIP terminal escapes: this machine gives no pseudo-terminal"
else
    for command in "info 0 62\n148" "report 0 62\n148" "diff 1 62148 -> 62\n148"; do
        read -r name status text <<< "$command"
        files="'$scratch/newline.xmlcon'"
        [ "$name" = diff ] && files="'$example' $files"
        says "$status" out "$text" script -qec "'$tool' $name $files" /dev/null
    done
fi
check "pipe keeps bytes" 0 "$tool" info "$scratch/newline.xmlcon"
lacks "pipe is not escaped" "$scratch/out" '62\n148'
