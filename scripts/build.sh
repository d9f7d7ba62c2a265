#!/usr/bin/env bash
# Configures and builds one build folder.
# Usage: scripts/build.sh <build-dir> [extra cmake options...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"; shift
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$jobs"
