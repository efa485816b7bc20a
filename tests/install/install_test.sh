#!/usr/bin/env bash
# Installs the build into a scratch prefix and builds a small program against
# the installed package. Usage: install_test.sh BUILD_DIR SOURCE_DIR LIBDIR
set -eu
build=$1
source=$2
libdir=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" > /dev/null
test -x "$scratch/prefix/bin/tw-configctd"
test -x "$scratch/prefix/bin/tw-configctd-gui"
test -f "$scratch/prefix/share/applications/tw-configctd-gui.desktop"
cmake -S "$source/tests/install/consumer" -B "$scratch/build" \
    -DCMAKE_PREFIX_PATH="$scratch/prefix" > /dev/null
cmake --build "$scratch/build" > /dev/null
output=$(LD_LIBRARY_PATH="$scratch/prefix/$libdir:${LD_LIBRARY_PATH:-}" \
    "$scratch/build/consumer" "$scratch/cast.xmlcon")
test "$output" = "TDW 64plus V2 Vantrel CTD"
echo "install: 1 passed, 0 failed"
