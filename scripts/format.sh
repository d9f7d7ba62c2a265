#!/usr/bin/env bash
# Formats every C++ source of the repository with the project's .clang-format.
# Usage: scripts/format.sh [--check]
#   --check  change nothing; fail and list the files that are not formatted
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
if ! command -v clang-format >/dev/null 2>&1; then
    "$root/scripts/deps.sh"
fi
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run --Werror "${files[@]}"
    echo "Format check passed (${#files[@]} files)."
else
    clang-format -i "${files[@]}"
fi
