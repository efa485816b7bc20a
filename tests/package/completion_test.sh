#!/usr/bin/env bash
# Sources the bash completion and asks it to complete command lines, as the
# shell does on Tab. Usage: completion_test.sh TOOL COMPLETION_SCRIPT
set -u
tool=$1
source "$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
touch a.xmlcon b.CON c.xml d.txt
mkdir folder

# The completions of the last word, sorted, joined by "|".
complete_words() {
    COMP_WORDS=("$tool" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _tw_configctd
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd '|'
}

models=$("$tool" list instruments | awk -F '\t' '{ print "\"" $2 "\"" }' |
    LC_ALL=C sort | paste -sd '|')
configurations='a.xmlcon|b.CON|folder'
every_file='a.xmlcon|b.CON|c.xml|d.txt|folder'

# words of the command line (the last is the one completed) / completions
cases=(
    "rep" "report"
    "report --r" "--raw"
    "report ''" "$configurations"
    "report -o ''" "$every_file"
    "report --output = out ''" "$configurations"
    "validate a.xmlcon ''" "$configurations"
    "diff a.xmlcon b.CON ''" ""
    "import-sensor a.xmlcon 2 ''" "a.xmlcon|b.CON|c.xml|folder"
    "import-sensor a.xmlcon 2 c.xml --pick ''" ""
    "list ''" "instruments|sensors"
    "list sensors ''" ""
    "new ''" "$models"
    "new '\"TDW 64plus V2'" "TDW 64plus V2 Vantrel CTD"
    "new 'TDW\\ 94'" "\"TDW 94 Dartel CTD\""
    "new '\"TDW 94 Dartel CTD\"' ''" "$every_file"
    "set a.xmlcon x = 1 ''" ""
)
passed=0
failed=0
for ((i = 0; i < ${#cases[@]}; i += 2)); do
    eval "words=(${cases[i]})"
    got=$(complete_words "${words[@]}")
    if [ "$got" = "${cases[i + 1]}" ]; then
        passed=$((passed + 1))
    else
        echo "FAIL: tw-configctd ${cases[i]}: got '$got', expected '${cases[i + 1]}'"
        failed=$((failed + 1))
    fi
done
echo "completion: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
