#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed corpus.
#   scripts/fuzz.sh [SECONDS]       default 30 s per target (CI); a longer run: scripts/fuzz.sh 3600
# The growing corpus and any crash reproducer are kept in build-fuzz/run/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_bmp fuzz_report -j"$jobs"

run() {  # run TARGET SEED_DIR...
    local target=$1
    shift
    local dir=build-fuzz/run/$target
    mkdir -p "$dir/corpus"
    echo "== $target for $seconds s"
    local status=0
    (cd "$dir" && "../../$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 corpus "$@" >fuzz.log 2>&1) || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|SUMMARY)' "$dir/fuzz.log" || true
    # A finding ends the run with a non-zero status and leaves crash-*, leak-* or timeout-*.
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$dir/fuzz.log" >&2
        echo "$target failed (status $status); reproducers: $(ls "$dir" | grep -E '^(crash|leak|timeout|oom)-' | tr '\n' ' ')" >&2
        return 1
    fi
}

# Seeds: small handmade pictures and a few of the program's own small bitmaps.
bmp_seeds=$PWD/build-fuzz/run/bmp-seeds
mkdir -p "$bmp_seeds"
cp fuzz/corpus/bmp/*.bmp "$bmp_seeds/"
find res/bitmaps -name '*.bmp' -size -4k -exec cp {} "$bmp_seeds/" \;

# The two targets run side by side, one per core; each one's lines are printed when both ended.
mkdir -p build-fuzz/run
run fuzz_bmp "$bmp_seeds" >build-fuzz/run/fuzz_bmp.out 2>&1 &
bmp=$!
run fuzz_report "$PWD/fuzz/corpus/report" >build-fuzz/run/fuzz_report.out 2>&1 &
report=$!
status=0
wait $bmp || status=1
wait $report || status=1
cat build-fuzz/run/fuzz_bmp.out build-fuzz/run/fuzz_report.out
exit $status
