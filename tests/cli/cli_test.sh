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
contains "info model" "$scratch/out" "Model: TDW 64plus V2 Vantrel CTD (CTD ID 11)"
contains "info header row" "$scratch/out" "$(printf 'Channel\tLabel\tSensor ID\tSensor\tSerial number\tCalibration date')"
contains "info voltage channel" "$scratch/out" "$(printf '4\tA/D voltage 0\t0\tAltimeter\t62148\t20-Jan-26')"
check "info json" 0 "$tool" info --json "$example"
contains "json channel" "$scratch/out" '"sensor": "SPAR/Surface Irradiance"'
contains "json scan length" "$scratch/out" '"scan_length": 92'

check validate 0 "$tool" validate examples/64plusV2-default.xmlcon "$example"
contains "validate line" "$scratch/out" "$example: ok (TDW 64plus V2 Vantrel CTD)"
check "convert" 0 "$tool" convert "$example" "$scratch/copy.xmlcon"
same "convert keeps the document" "$example" "$scratch/copy.xmlcon"
check "new by name" 0 "$tool" new "tdw 64plus v2 vantrel ctd" "$scratch/new.xmlcon"
same "new is the default" examples/64plusV2-default.xmlcon "$scratch/new.xmlcon"
check "list instruments" 0 "$tool" list instruments
contains "catalogue row" "$scratch/out" "$(printf '11\tTDW 64plus V2 Vantrel CTD\t0\t6\t2\t3\t14\t58,3,46')"
check "list sensors" 0 "$tool" list sensors
contains "registry row" "$scratch/out" "$(printf '47\tPressure, FGP\t2\t1\tPressureFGP_Sensor\t8')"
check version 0 "$tool" --version
check help 0 "$tool" report --help

# Bad input: one clear line and the right status (the refusals: cli_reasons.sh).
sed 's/Type="11"/Type="8"/' "$example" > "$scratch/unbuilt.xmlcon"
check "validate counts a failure" 1 "$tool" validate "$example" "$scratch/unbuilt.xmlcon"
contains "validate counts" "$scratch/out" "1 ok, 1 failed"
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
