#!/usr/bin/env bash
# Checks that every library of src/ uses only the layers below it: it
# includes only their headers, and it names no type of a layer above it
# (not even in a forward declaration such as "class CWinBlogStorage;",
# which needs no include). Only the user interface layers include Qt.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

layers=(platform app imaging transport model service workflows ui dialogs)
qt_allowed=(ui dialogs)
status=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The names a layer gives its public types: the classes, structs, enums,
# aliases and namespaces declared at the top level of its headers (nested
# and file-local ones are nobody else's business).
public_names() {
    local folder="$top/src/$1"
    [[ -d "$folder" ]] || return 0
    grep -rhoP --include='*.h' '^(template<[^>]*>\s*)?(class|struct|enum class|enum struct|enum|union)\s+(\[\[[^\]]*\]\]\s+)?\K[A-Za-z_]\w*(?=\s*(final\b)?\s*(:(?!:)|\{|$))' "$folder" || true
    grep -rhoP --include='*.h' '^using\s+\K[A-Za-z_]\w*(?=\s*=)' "$folder" || true
    grep -rhoP --include='*.h' '^namespace\s+\K[A-Za-z_]\w*' "$folder" || true
}

# Every type name a layer defines, nested and file-local ones too: a name
# of its own that a layer above happens to use as well is still its own.
own_names() {
    local folder="$top/src/$1"
    [[ -d "$folder" ]] || return 0
    grep -rhoP --include='*.h' --include='*.cpp' '^\s*(template<[^>]*>\s*)?(class|struct|enum class|enum struct|enum|union)\s+(\[\[[^\]]*\]\]\s+)?\K[A-Za-z_]\w*(?=\s*(final\b)?\s*(:(?!:)|\{|$))' "$folder" || true
    grep -rhoP --include='*.h' --include='*.cpp' '^\s*using\s+\K[A-Za-z_]\w*(?=\s*=)' "$folder" || true
}

for ((i = 0; i < ${#layers[@]}; i++)); do
    public_names "${layers[$i]}" | sort -u >"$scratch/${layers[$i]}"
    own_names "${layers[$i]}" | sort -u >"$scratch/own-${layers[$i]}"
done

for ((i = 0; i < ${#layers[@]}; i++)); do
    layer=${layers[$i]}
    [[ -d "$top/src/$layer" ]] || continue
    allowed=("${layers[@]:0:$((i + 1))}")

    # Includes of headers of other layers.
    while IFS=: read -r file line include; do
        used=${include%%/*}
        ok=0
        for a in "${allowed[@]}"; do [[ "$used" == "$a" ]] && ok=1; done
        if ((ok == 0)); then
            echo "${file#$top/}:$line: the $layer layer must not include $include"
            status=1
        fi
    done < <(grep -rn --include='*.h' --include='*.cpp' -oP '^#include "\K(platform|app|imaging|transport|model|service|workflows|ui|dialogs)/[^"]+' "$top/src/$layer" |
        sed -E 's/^([^:]+):([0-9]+):/\1:\2:/')

    # Type names of the layers above, outside comments; a name this layer
    # or one below also defines is theirs to use.
    above=("${layers[@]:$((i + 1))}")
    below_names="$scratch/below-$layer"
    for a in "${allowed[@]}"; do cat "$scratch/$a" "$scratch/own-$a"; done | sort -u >"$below_names"
    upper_names="$scratch/upper-$layer"
    for a in "${above[@]}"; do cat "$scratch/$a"; done | sort -u | comm -23 - "$below_names" >"$upper_names"
    if [[ -s "$upper_names" ]]; then
        while IFS= read -r file; do
            { sed -E 's#//.*$##' "$file" | grep -nwoF -f "$upper_names" || true; } | while IFS=: read -r line name; do
                echo "${file#$top/}:$line: the $layer layer must not name $name (a type of a layer above it)"
            done
        done < <(find "$top/src/$layer" -name '*.h' -o -name '*.cpp' | sort) >"$scratch/named-$layer"
        if [[ -s "$scratch/named-$layer" ]]; then
            cat "$scratch/named-$layer"
            status=1
        fi
    fi

    if [[ ! " ${qt_allowed[*]} " == *" $layer "* ]]; then
        if grep -rn --include='*.h' --include='*.cpp' -E '^#include <Q' "$top/src/$layer" >/dev/null; then
            grep -rn --include='*.h' --include='*.cpp' -E '^#include <Q' "$top/src/$layer" | sed "s|^$top/||; s|\$| (only ui, dialogs and the apps may use Qt)|"
            status=1
        fi
    fi
done
exit $status
