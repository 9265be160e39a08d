#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60) on top of its
# seed corpus. A crash fails the run; its input is copied into
# fuzz/regressions/<target>/ so that the normal test run replays it from then on.
#
#   scripts/fuzz.sh            # 60 s per target (what CI runs)
#   scripts/fuzz.sh 3600       # a longer campaign: an hour per target
#   FUZZ_RUNS=1000000 scripts/fuzz.sh 3600   # stop each target after a million inputs
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}
targets=(config_reader layout_loader fonts_reader sample_text)

ZEF_FUZZ_DEPS=1 scripts/install-deps.sh
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZEF_FUZZ=ON -DZEF_SANITIZE=ON -DZEF_BUILD_TESTS=OFF -DZEF_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/zef-fuzz-}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=suppressions=$PWD/sanitizers/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
status=0
for t in "${targets[@]}"; do
    work="$build/corpus/$t"
    artifacts="$build/artifacts/$t"
    mkdir -p "$work" "$artifacts"
    echo "== $t: ${seconds}s"
    runs=()
    [[ -n "${FUZZ_RUNS:-}" ]] && runs=(-runs="$FUZZ_RUNS")
    if ! "$build/fuzz/zef-fuzz-$t" -max_total_time="$seconds" "${runs[@]}" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -artifact_prefix="$artifacts/" -print_final_stats=1 \
        "$work" "fuzz/corpus/$t" 2>&1 | tail -n 25; then
        status=1
    fi
    if compgen -G "$artifacts/*" >/dev/null; then
        cp "$artifacts"/* "fuzz/regressions/$t/"
        echo "!! $t found a crash; input kept in fuzz/regressions/$t/"
        status=1
    fi
done
exit $status
