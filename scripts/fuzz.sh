#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs them one after
# the other: vyr_fuzz_edidimage over whole EDID images (seeded with the EDID samples), then
# vyr_fuzz_edidfiles over the four EDID file readers (seeded with the golden files and the
# samples).
# Usage: scripts/fuzz.sh [--ci] [extra libFuzzer options...]
#   --ci  a short bounded run of each target (60 s and 30 s), then a replay of
#         tests/data/fuzz-regressions/ (the file readers' inputs in its edidfiles/ folder)
#   without --ci each run lasts VYR_FUZZ_SECONDS seconds (default 1800); findings are
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
cmake --build "$build" -j "$jobs" --target vyr_fuzz_edidimage vyr_fuzz_edidfiles

findings="$build/findings"
mkdir -p "$findings"
samples="$root/tests/data/edid-samples"
regressions="$root/tests/data/fuzz-regressions"

# A small quarantine and no malloc fill keep the many short-lived Qt containers cheap.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:malloc_fill_byte=0:max_malloc_fill_size=0:quarantine_size_mb=16}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# run <target> <CI seconds> <max input length> <regression folder> <seed folders...>
run() {
    local target="$1" ci_seconds="$2" max_len="$3" replay="$4"
    shift 4
    local fuzzer="$build/fuzz/$target"
    local corpus="$build/corpus-$target"
    mkdir -p "$corpus"
    local common=(-max_len="$max_len" -artifact_prefix="$findings/$target-" -print_final_stats=1)
    if [ "$ci" = 1 ]; then
        "$fuzzer" "${common[@]}" -max_total_time="$ci_seconds" -timeout=10 "${extra[@]}" \
            "$corpus" "$@"
    else
        local parallel=()
        if [ -n "${VYR_FUZZ_JOBS:-}" ]; then parallel=(-fork="$VYR_FUZZ_JOBS"); fi
        "$fuzzer" "${common[@]}" -max_total_time="${VYR_FUZZ_SECONDS:-1800}" -timeout=10 \
            "${parallel[@]}" "${extra[@]}" "$corpus" "$@"
    fi

    # Every input that once found a fault must run clean.
    local cases=("$replay"/*.bin)
    if [ ${#cases[@]} -gt 0 ]; then
        echo "Replaying ${#cases[@]} $target regression input(s)"
        "$fuzzer" "${cases[@]}"
    fi
}

shopt -s nullglob
extra=("$@")
run vyr_fuzz_edidimage 60 1024 "$regressions" "$samples"
run vyr_fuzz_edidfiles 30 8192 "$regressions/edidfiles" "$root/tests/data/edidfiles" "$samples"
