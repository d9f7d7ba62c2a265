#!/usr/bin/env bash
# Runs the whole-editor random-action test longer than the test suite does: every EDID sample
# gets VYR_RANDOM_ACTIONS random user actions (default 400) for each seed from VYR_RANDOM_SEED
# (default 1) on, SEEDS seeds in all, each action followed by the checksum, edid-decode and
# fresh-build checks. A failure prints its seed, count and the actions that led to it; replay
# one sample with e.g.
#   VYR_RANDOM_SEED=7 VYR_RANDOM_ACTIONS=400 build-test/tests/bin/tst_wholeeditorrandom \
#       randomActions:cta-hdr-del41d9-3.bin
# Usage: scripts/random-edits.sh [seeds] [--sanitize]
#   seeds       how many seeds to run one after the other (default 3)
#   --sanitize  in the AddressSanitizer/UndefinedBehaviorSanitizer build (build-asan)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seeds=3
build="$root/build-test"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYR_WERROR=ON)
for arg in "$@"; do
    case "$arg" in
    --sanitize)
        build="$root/build-asan"
        options=(-DCMAKE_BUILD_TYPE=Debug -DVYR_WERROR=ON -DVYR_SANITIZE=ON)
        # The same sanitizer settings as the test suite's.
        export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
        export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp}"
        export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
        ;;
    *[!0-9]* | "")
        echo "usage: $0 [seeds] [--sanitize]" >&2
        exit 2
        ;;
    *) seeds="$arg" ;;
    esac
done
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build" -j "$jobs" --target tst_wholeeditorrandom

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export VYR_RANDOM_ACTIONS="${VYR_RANDOM_ACTIONS:-400}"
# The same per-function time limit as the suite's: a long run on a busy machine is not a hang.
export QTEST_FUNCTION_TIMEOUT="${QTEST_FUNCTION_TIMEOUT:-900000}"
first="${VYR_RANDOM_SEED:-1}"
status=0
for ((seed = first; seed < first + seeds; ++seed)); do
    echo "== seed $seed, $VYR_RANDOM_ACTIONS actions per sample"
    VYR_RANDOM_SEED="$seed" "$build/tests/bin/tst_wholeeditorrandom" -silent || status=1
done
exit "$status"
