#!/usr/bin/env bash
# Builds the EDID tree benchmark in a release build and prints its ratios: building the tree
# for the largest sample against a plain QTreeWidget with the same rows and widgets (target at
# most 1.3), and one edit's hex view refresh against filling 512 table cells (target at most 2).
# Usage: scripts/bench-tree.sh [sample file name from tests/data/edid-samples]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target bench_edidtree
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/tests/bin/bench_edidtree" "$@"
