#!/usr/bin/env bash
# Installs the build into a scratch prefix, compiles each installed header
# alone and builds a small program against the installed package.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR LIBDIR
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
# pugixml's headers are on this machine anyway, so compiling cannot tell
# whether a host would find them: a header that includes them needs the
# package to ask for pugixml.
if grep -rlE '#[[:space:]]*include[[:space:]]*<pugixml' "$scratch/prefix/include" &&
    ! grep -q 'find_dependency(pugixml' "$scratch/prefix/$libdir/cmake/TW_ConfigCTD/TW_ConfigCTDConfig.cmake"; then
    echo "installed headers include pugixml, which the package does not ask for" >&2
    exit 1
fi
cmake -S "$source/tests/install/consumer" -B "$scratch/build" \
    -DCMAKE_PREFIX_PATH="$scratch/prefix" > /dev/null
cmake --build "$scratch/build" -j2 > /dev/null
output=$(LD_LIBRARY_PATH="$scratch/prefix/$libdir:${LD_LIBRARY_PATH:-}" \
    "$scratch/build/consumer" "$scratch/cast.xmlcon")
test "$output" = "TDW 64plus V2 Vantrel CTD"
echo "install: $(find "$scratch/prefix/include" -name '*.h' | wc -l) headers alone, 1 program"
