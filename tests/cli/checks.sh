# The checks the tool's shell tests share; each counts in passed or failed.
# The sourcing script sets scratch to a folder of its own.
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL $*"; }

check() {  # check NAME EXPECTED_STATUS COMMAND...
    local name=$1 expected=$2
    shift 2
    "$@" > "$scratch/out" 2> "$scratch/err"
    local status=$?
    if [ "$status" -eq "$expected" ]; then
        pass
    else
        fail "$name: status $status, expected $expected"
        sed 's/^/  stdout: /' "$scratch/out" | head -5
        sed 's/^/  stderr: /' "$scratch/err" | head -5
    fi
}

says() {  # says EXPECTED_STATUS out|err TEXT COMMAND...: the stream holds the text
    local expected=$1 stream=$2 text=$3
    shift 3
    check "$*" "$expected" "$@"
    contains "$*" "$scratch/$stream" "$text"
}

same() {  # same NAME FILE_A FILE_B
    if cmp -s "$2" "$3"; then
        pass
    else
        fail "$1: $2 and $3 differ"
        diff "$2" "$3" | head -10
    fi
}

lacks() {  # lacks NAME FILE TEXT
    if grep -qF -- "$3" "$2"; then
        fail "$1: '$3' in $2"
    else
        pass
    fi
}

contains() {  # contains NAME FILE TEXT
    if grep -qF -- "$3" "$2"; then
        pass
    else
        fail "$1: '$3' not in $2"
        head -5 "$2"
    fi
}
