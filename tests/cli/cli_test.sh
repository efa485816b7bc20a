#!/usr/bin/env bash
# Runs tw-configctd on the examples and on bad input, checking outputs and exit
# statuses. Usage: cli_test.sh TOOL MAKE_EXAMPLES (from the source root).
set -u
tool=$1
make_examples=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export SOURCE_DATE_EPOCH=1796385600
export TZ=UTC
source "$(dirname "$0")/checks.sh"

# The examples are what the example writer makes, and their reports are current.
check make-examples 0 "$make_examples" "$scratch"
for example in examples/*.xmlcon; do
    name=$(basename "$example")
    same "example $name is current" "$example" "$scratch/$name"
    check "report $name" 0 "$tool" report "$example"
    same "stored report of $name" "$scratch/out" "${example%.xmlcon}.report.txt"
done
for example in examples/*.con; do
    name=$(basename "$example")
    same "example $name is current" "$example" "$scratch/$name"
    check "report $name" 0 "$tool" report "$example"
    same "stored report of $name" "$scratch/out" "$example.report.txt"
done

example=examples/64plusV2-profiling.xmlcon
check "report to a file" 0 "$tool" report "$example" -o "$scratch/report.txt"
same "report file" "$scratch/report.txt" "${example%.xmlcon}.report.txt"
check info 0 "$tool" info "$example"
for text in "Model: TDW 64plus V2 Vantrel CTD (CTD ID 11)" \
    "$(printf 'Channel\tLabel\tSensor ID\tSensor\tSerial number\tCalibration date')" \
    "$(printf '4\tA/D voltage 0\t0\tAltimeter\t62148\t20-Jan-26')"; do
    contains info "$scratch/out" "$text"
done
check "info json" 0 "$tool" info --json "$example"
contains "json channel" "$scratch/out" '"sensor": "SPAR/Surface Irradiance"'
contains "json scan length" "$scratch/out" '"scan_length": 92'

says 0 out "$example: ok (TDW 64plus V2 Vantrel CTD)" "$tool" validate examples/64plusV2-default.xmlcon "$example"
check "convert" 0 "$tool" convert "$example" "$scratch/copy.xmlcon"
same "convert keeps the document" "$example" "$scratch/copy.xmlcon"
check "new by name" 0 "$tool" new "tdw 64plus v2 vantrel ctd" "$scratch/new.xmlcon"
same "new is the default" examples/64plusV2-default.xmlcon "$scratch/new.xmlcon"
says 0 out "$(printf '11\tTDW 64plus V2 Vantrel CTD\t0\t6\t2\t3\t14\t58,3,46')" "$tool" list instruments
says 0 out "$(printf '47\tPressure, FGP\t2\t1\tPressureFGP_Sensor\t8')" "$tool" list sensors
check version 0 "$tool" --version
check help 0 "$tool" report --help

# Bad input: one clear line and the right status (the refusals: cli_reasons.sh).
sed 's/Type="11"/Type="8"/' "$example" > "$scratch/unbuilt.xmlcon"
says 1 out "1 ok, 1 failed" "$tool" validate "$example" "$scratch/unbuilt.xmlcon"
check "write into a missing folder" 1 "$tool" convert "$example" "$scratch/none/x.xmlcon"
check "new of no model" 2 "$tool" new 99 "$scratch/99.xmlcon"
check "no subcommand" 2 "$tool"
check "unknown option" 2 "$tool" report --bogus "$example"
check "missing argument" 2 "$tool" convert "$example"

source "$(dirname "$0")/cli_reasons.sh"
source "$(dirname "$0")/cli_edits.sh"
source "$(dirname "$0")/cli_writes.sh"

echo "cli: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
