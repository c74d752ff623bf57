#!/usr/bin/env bash
# Checks that every library of src/ includes only headers of the layers below
# it, and that only the user interface layers include Qt.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

layers=(platform app imaging transport model service workflows ui dialogs)
qt_allowed=(ui dialogs)
status=0

for ((i = 0; i < ${#layers[@]}; i++)); do
    layer=${layers[$i]}
    [[ -d "$top/src/$layer" ]] || continue
    allowed=("${layers[@]:0:$((i + 1))}")
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
    if [[ ! " ${qt_allowed[*]} " == *" $layer "* ]]; then
        if grep -rn --include='*.h' --include='*.cpp' -E '^#include <Q' "$top/src/$layer" >/dev/null; then
            grep -rn --include='*.h' --include='*.cpp' -E '^#include <Q' "$top/src/$layer" | sed "s|^$top/||; s|\$| (only ui, dialogs and the apps may use Qt)|"
            status=1
        fi
    fi
done
exit $status
