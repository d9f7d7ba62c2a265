#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test
# suite headless. Usage: scripts/test.sh [--sanitize]
#   --sanitize  a separate build with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"

build="$root/build-test"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-asan"
    options=(-DCMAKE_BUILD_TYPE=Debug -DVYR_WERROR=ON -DVYR_SANITIZE=ON)
fi

"$root/scripts/build.sh" "$build" "${options[@]}"
cd "$build"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
