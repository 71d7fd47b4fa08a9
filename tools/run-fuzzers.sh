#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (core only, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each, one after the other, for the
# given number of seconds (default 30), starting from the seed corpus in
# tests/fuzz/corpus/NAME. What a run adds to the corpus stays in build-fuzz/corpus/NAME; a
# failing input is kept in build-fuzz/artifacts/NAME/ and the script fails. One input may
# take up to a minute: "omvera-cli coverage" reads every shipped text, which under the
# instrumentation of a busy machine has taken over 25 s.
#
#   tools/run-fuzzers.sh [SECONDS] [TARGET...]     e.g. tools/run-fuzzers.sh 600 cli
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(person_record text_library numbers bmp cli)
build="$root/build-fuzz"

echo "== building the fuzz targets =="
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DOMVERA_FUZZ=ON -DOMVERA_WITH_GUI=OFF \
    -DOMVERA_WITH_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" \
    --target "${targets[@]/#/fuzz_}" omvera_data

failed=()
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    artifacts="$build/artifacts/$t"
    mkdir -p "$corpus" "$artifacts"
    dict=()
    [ -f "$root/tests/fuzz/$t.dict" ] && dict=(-dict="$root/tests/fuzz/$t.dict")
    echo "== fuzz_$t for ${seconds} s =="
    log="$build/fuzz_$t.log"
    if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/tests/fuzz/fuzz_$t" "$corpus" "$root/tests/fuzz/corpus/$t" "${dict[@]}" \
        -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|#[0-9]+[[:space:]]+DONE' "$log" || true
    else
        echo "fuzz_$t FAILED; the input is in $artifacts/, the log in $log"
        grep -E 'ERROR|property failed|runtime error|SUMMARY|Test unit written' "$log" | head -20
        failed+=("$t")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]}"
    exit 1
fi
