#!/bin/sh
# Runs every fuzzing harness for a while, one after the other.
#   sh fuzz/run.sh [SECONDS_EACH] [HARNESS...]
# Needs a build configured with clang and -DKARVUTO_FUZZ=ON in build-fuzz/:
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja \
#         -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVUTO_FUZZ=ON
#   cmake --build build-fuzz --target karvuto_fuzzers
# Each harness grows its working corpus in build-fuzz/corpus/<name> from the
# seeds in fuzz/corpus/<name>; a failing input lands in
# build-fuzz/artifacts/<name>/. Add a small, telling input to the seeds
# when it should be replayed by the tests.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-fuzz"
seconds=${1:-120}
[ $# -gt 0 ] && shift
harnesses=${*:-"fuzz_cal_query fuzz_read_arguments fuzz_dates fuzz_tsv fuzz_gbk fuzz_sql_dialect fuzz_database_open"}
status=0
for name in $harnesses; do
    mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
    echo "== $name, $seconds s"
    LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
        "$build/bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name/" "$build/corpus/$name" "$here/fuzz/corpus/$name" \
        2>"$build/artifacts/$name/log" || status=1
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)" "$build/artifacts/$name/log" || true
    grep -E "^(==[0-9]+==ERROR|SUMMARY|fuzz check failed)" "$build/artifacts/$name/log" || true
done
exit $status
