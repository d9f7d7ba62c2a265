#!/usr/bin/env bash
# Builds the start-up benchmark in a release build and prints how long vyrpell takes to its
# main window with both plug-ins loaded, against a bare Qt main window on the same X server,
# and the ratio of the two (target at most 1.5). Runs on the X server of DISPLAY, or on a
# virtual one (xvfb-run) when DISPLAY is not set.
# Usage: scripts/bench-startup.sh [runs, default 9]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target bench_startup
if [ -n "${DISPLAY:-}" ]; then
    exec "$build/tests/bin/bench_startup" "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/bin/bench_startup" "$@"
