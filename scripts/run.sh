#!/usr/bin/env bash
# Installs what is missing, builds vyrpell and starts it on the built-in demo machine.
# Only what the program needs is built (no tests), so a first start stays quick;
# scripts/test.sh builds the tests in a folder of its own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_BUILD_TESTS=OFF
# The simulated driver's settings file, copied beside the program by the build.
export VYR_DRIVER_SETTINGS="${VYR_DRIVER_SETTINGS:-$root/build/bin/vyrpcsdb}"
exec "$root/build/bin/vyrpell" "$@"
