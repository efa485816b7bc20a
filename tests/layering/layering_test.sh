#!/usr/bin/env bash
# The folders stand in layers, each built only on the layers beneath it, as
# their libraries link (see the top CMakeLists.txt). A source file that
# includes a header of a higher layer, or of another folder of its own
# layer, fails the test. Usage: layering_test.sh SOURCE_DIR
set -eu
cd "$1"
layers="platform | core | sensors | instruments | xmlfiles | legacy | access ui | apps/cli apps/gui python"

folders=$(echo "$layers" | tr -d '|')
existing=$(for folder in $folders; do if [[ -d $folder ]]; then echo "$folder"; fi; done)
[[ -n $existing ]] || { echo "no folders found under $PWD" >&2; exit 1; }

# Every include as "file<TAB>included", then each side's folder (the
# longest folder of the table it lies in) and their layers compared.
find $existing -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.def' \) -print0 |
    xargs -0 grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
    sed -E 's/^([^:]+):[^"]*"([^"]+)".*/\1\t\2/' |
    awk -F '\t' -v layers="$layers" '
        BEGIN {
            n = split(layers, level, "|")
            for (i = 1; i <= n; i++) {
                m = split(level[i], names, " ")
                for (j = 1; j <= m; j++) layer[names[j]] = i
            }
        }
        function folder_of(path,    best, f) {
            best = ""
            for (f in layer)
                if (index(path, f "/") == 1 && length(f) > length(best)) best = f
            return best
        }
        {
            from = folder_of($1); to = folder_of($2); if (!($1 in files)) { files[$1] = 1; count++ }
            if (to != "" && to != from && layer[to] >= layer[from]) {
                print $1 " includes " $2 ": " to " is not beneath " from > "/dev/stderr"
                faults++
            }
        }
        END {
            if (faults) exit 1
            printf "layering: the includes of %d files go only downward\n", count
        }'
