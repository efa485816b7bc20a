#!/usr/bin/env bash
# Writes the example configurations of examples/ again and, for each, its
# stored report, with the fixed report date the tool's test uses.
# Usage: scripts/make-examples.sh BUILD_DIR (from the source root).
set -euo pipefail
build=$1
export SOURCE_DATE_EPOCH=1796385600 TZ=UTC
"$build/examples/make-examples" examples
for example in examples/*.xmlcon; do
    "$build/apps/cli/tw-configctd" report "$example" > "${example%.xmlcon}.report.txt"
done
for example in examples/*.con; do
    "$build/apps/cli/tw-configctd" report "$example" > "${example%.con}.con.report.txt"
done
for example in examples/*.con; do
    "$build/apps/cli/tw-configctd" report "$example" > "$example.report.txt"
done
