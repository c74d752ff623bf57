#!/usr/bin/env bash
# Checks that every C++ file of the repository is laid out as .clang-format
# says. Lists the files that are not; `clang-format -i FILE` mends one.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
status=0
while IFS= read -r -d '' file; do
    if ! clang-format --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "$file: not formatted (clang-format -i $file)"
        status=1
    fi
done < <(git ls-files -z -- '*.cpp' '*.h')
exit $status
