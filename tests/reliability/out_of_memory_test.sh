#!/usr/bin/env bash
# Memory that runs out ends a command with one line on standard error and
# status 1, never with an abort: every allocation above 1 MiB fails while
# the tool reads, converts and reports a configuration of 4 MiB.
# Usage: out_of_memory_test.sh TOOL FAIL_LARGE_ALLOCATIONS SANITIZED.
set -u
tool=$1
preload=$2
if [ "$3" = 1 ]; then
    echo "SKIP: the sanitizers' allocator cannot be replaced"
    exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TW_CONFIGCTD_LOG=$scratch/log
source tests/cli/checks.sh

# A configuration made large by a comment, well below the size a read refuses.
big=$scratch/big.xmlcon
{
    cat examples/62plus-default.xmlcon
    printf '<!-- %s -->\n' "$(head -c 4194304 /dev/zero | tr '\0' x)"
} > "$big"
check "the large file reads" 0 "$tool" info "$big"

starved() { TW_FAIL_ALLOCATIONS_OVER=1048576 LD_PRELOAD=$preload "$@"; }
for command in "info $big" "report $big" "convert $big $scratch/out.con"; do
    # shellcheck disable=SC2086
    check "$command without memory" 1 starved "$tool" $command
    lines=$(wc -l < "$scratch/err")
    [ "$lines" -eq 1 ] && pass || { fail "$command: $lines lines on standard error"; cat "$scratch/err"; }
done

echo "out of memory: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
