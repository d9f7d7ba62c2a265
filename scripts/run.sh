#!/usr/bin/env bash
# Installs what is missing, builds vyrpell and starts it on the built-in demo machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$root/build/bin/vyrpell" "$@"
