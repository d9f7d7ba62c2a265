#!/usr/bin/env bash
# Builds the libFuzzer target over whole EDID images with clang in its own build folder
# and runs it, seeded with the EDID samples.
# Usage: scripts/fuzz.sh [--ci] [extra libFuzzer options...]
#   --ci  a short bounded run, then a replay of tests/data/fuzz-regressions/
#   without --ci the run lasts VYR_FUZZ_SECONDS seconds (default 1800); findings are
#   written to build-fuzz/findings/.
# Environment: VYR_FUZZ_BUILD (build folder, default build-fuzz), VYR_FUZZ_JOBS (parallel
# fuzzing processes, libFuzzer's fork mode).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
ci=0
if [ "${1:-}" = "--ci" ]; then ci=1; shift; fi

"$root/scripts/deps.sh"

build="${VYR_FUZZ_BUILD:-$root/build-fuzz}"
jobs="$(nproc 2>/dev/null || echo 2)"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVYR_FUZZ=ON -DVYR_BUILD_TESTS=ON -DVYR_WERROR=OFF -DVYR_SANITIZE=OFF
cmake --build "$build" -j "$jobs" --target vyr_fuzz_edidimage

fuzzer="$build/fuzz/vyr_fuzz_edidimage"
corpus="$build/corpus"
findings="$build/findings"
mkdir -p "$corpus" "$findings"
seeds="$root/tests/data/edid-samples"
regressions="$root/tests/data/fuzz-regressions"

# A small quarantine and no malloc fill keep the many short-lived Qt containers cheap.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:malloc_fill_byte=0:max_malloc_fill_size=0:quarantine_size_mb=16}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

common=(-max_len=1024 -artifact_prefix="$findings/" -print_final_stats=1)
if [ "$ci" = 1 ]; then
    "$fuzzer" "${common[@]}" -max_total_time=60 -timeout=10 "$@" "$corpus" "$seeds"
else
    parallel=()
    if [ -n "${VYR_FUZZ_JOBS:-}" ]; then parallel=(-fork="$VYR_FUZZ_JOBS"); fi
    "$fuzzer" "${common[@]}" -max_total_time="${VYR_FUZZ_SECONDS:-1800}" -timeout=10 \
        "${parallel[@]}" "$@" "$corpus" "$seeds"
fi

# Every input that once found a fault must run clean.
shopt -s nullglob
cases=("$regressions"/*.bin)
if [ ${#cases[@]} -gt 0 ]; then
    echo "Replaying ${#cases[@]} fuzz regression input(s)"
    "$fuzzer" "${cases[@]}"
fi
