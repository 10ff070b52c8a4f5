#!/usr/bin/env bash
# The tree's C++ sources against .clang-format, changing nothing:
#
#     scripts/check-format.sh [ROOT]
#
# Checks every .cpp and .h under ROOT (by default the tree this script is in) except the build
# folders, prints clang-format's diagnostic for each line it would change and fails if there is
# any. `clang-format -i FILE` mends a file.
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed: scripts/install-deps.sh test" >&2
    exit 1
fi

mapfile -d '' files < <(find . \( -path './build*' -o -path ./.git \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ ${#files[@]} -eq 0 ]; then
    echo "no C++ files under $root" >&2
    exit 1
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "format: files differ from .clang-format (clang-format -i FILE mends one)" >&2
    exit 1
fi
echo "format: ${#files[@]} files as .clang-format lays them out"
