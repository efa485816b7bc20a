#!/usr/bin/env bash
# Every command that writes a file, in both formats, ends with
# "OUT: write error: REASON" and status 1 when the file cannot be written,
# and leaves the file that was there whole and no temporary file beside it:
# under a file-size limit, and on a full disk (a small tmpfs, when this test
# may mount one). A file whose folder cannot be written is refused, naming
# the folder, and written in place only with --force, after room was made.
# Usage: write_errors_test.sh TOOL (from the source root).
set -u
tool=$1
scratch=$(mktemp -d)
mounted=
trap '[ -n "$mounted" ] && umount "$mounted"; rm -rf "$scratch"' EXIT
export LOCALAPPDATA=$scratch/appdata USERPROFILE=$scratch TW_CONFIGCTD_LOG=$scratch/log
source tests/cli/checks.sh

example=examples/62plus-default.xmlcon
sensor=$scratch/conductivity.xml
"$tool" export-sensor "$example" 2 "$sensor" || { echo "FAIL cannot make the sensor file"; exit 1; }

# Each command writes the file named by @OUT@ and an extension.
writers=(
    "convert $example @OUT@.xmlcon"
    "convert $example @OUT@.con"
    "new 11 @OUT@.xmlcon"
    "new 11 @OUT@.con"
    "set $example settings.NmeaTimeAdded=1 -o @OUT@.xmlcon"
    "set $example settings.NmeaTimeAdded=1 -o @OUT@.con"
    "report $example -o @OUT@.txt"
    "sensors-header $example @OUT@.xml"
    "export-sensor $example 2 @OUT@.xml"
    "import-sensor $example 2 $sensor -o @OUT@.xmlcon"
    "import-sensor $example 2 $sensor -o @OUT@.con"
)

# write_fails REASON FOLDER WRAPPER... -- WRITER: the writer, run through the
# wrapper with its file in FOLDER, fails with the reason and changes nothing.
write_fails() {
    local reason=$1 folder=$2
    shift 2
    local wrapper=()
    while [ "$1" != -- ]; do wrapper+=("$1"); shift; done
    local writer=${2//@OUT@/$folder/out}
    local target
    target=$(printf '%s\n' $writer | grep -F "$folder/out")
    printf 'old\n' > "$target"
    # shellcheck disable=SC2086
    "${wrapper[@]}" "$tool" $writer 2>&1 > /dev/null | cat > "$scratch/err"
    local status=${PIPESTATUS[0]}
    if [ "$status" -eq 1 ] && [ "$(tail -n 1 "$scratch/err")" = "$target: write error: $reason" ] &&
        [ "$(cat "$target")" = old ] && [ "$(ls -A "$folder" | grep -c tmp)" -eq 0 ]; then
        pass
    else
        fail "$writer ($reason): status $status, file: $(head -c 40 "$target")"
        sed 's/^/  stderr: /' "$scratch/err" | head -3
        ls -A "$folder" | sed 's/^/  in folder: /'
    fi
    rm -f "$target"
}

limited() { (ulimit -f 0 && exec "$@"); }
mkdir "$scratch/limited"
for writer in "${writers[@]}"; do
    write_fails "File too large" "$scratch/limited" limited -- "$writer"
done

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP full disk and in-place writes: mounting a small tmpfs needs root"
elif ! mkdir "$scratch/small" || ! mount -t tmpfs -o size=256k,mode=555,uid=65534,gid=65534 \
    tmpfs "$scratch/small" 2> /dev/null; then
    echo "SKIP full disk and in-place writes: this machine cannot mount a tmpfs"
else
    mounted=$scratch/small
    chmod 755 "$scratch"
    # The disk is full once a filler has taken all the room.
    fill() { cat /dev/zero > "$mounted/filler" 2> /dev/null; }
    full() { fill; "$@"; local status=$?; rm -f "$mounted/filler"; return "$status"; }
    for writer in "${writers[@]}"; do
        write_fails "No space left on device" "$mounted" full -- "$writer"
    done

    # As a user who may write the file but not its folder (the tmpfs's root).
    as_owner() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
fi
if [ -n "$mounted" ] && ! as_owner "$tool" --version > /dev/null 2>&1; then
    echo "SKIP in-place writes: the build cannot be run as another user here"
elif [ -n "$mounted" ]; then
    "$tool" convert "$example" "$scratch/cast.con"
    target=$mounted/cast.con
    printf 'old\n' > "$target" && chown 65534:65534 "$target"
    says 1 err "$target: write error: its folder $mounted cannot be written" \
        as_owner "$tool" convert "$scratch/cast.con" "$target"
    fill
    says 1 err "$target: write error: No space left on device" \
        as_owner "$tool" convert --force "$scratch/cast.con" "$target"
    rm -f "$mounted/filler"
    [ "$(cat "$target")" = old ] && pass || fail "the old file was not left whole"
    check "forced in place" 0 as_owner "$tool" convert --force "$scratch/cast.con" "$target"
    same "forced in place writes the whole file" "$scratch/cast.con" "$target"
fi

echo "write errors: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
