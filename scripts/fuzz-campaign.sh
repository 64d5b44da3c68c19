#!/usr/bin/env bash
# A long fuzzing campaign beyond the bounded runs of scripts/test.sh: each
# reader's fuzzer for RUNS executions (default 10 million), growing a work
# corpus from the committed one; then only the work inputs that reach
# something the committed corpus does not are merged into it, so the named
# seeds stay. Crashes and leaks are left as crash-*/leak-* files in fuzz/work/.
#   scripts/fuzz-campaign.sh [RUNS] [READER ...]     readers: bmp icon metafile
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

runs=${1:-10000000}
shift || true
readers=("$@")
((${#readers[@]})) || readers=(bmp icon metafile)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_BUILD_FUZZ=ON -DQUORVEL_BUILD_TESTS=OFF
cmake --build build-fuzz -j "$(nproc)"

for reader in "${readers[@]}"; do
    fuzzer=build-fuzz/fuzz/fuzz_$reader
    work=fuzz/work/$reader
    mkdir -p "$work"
    "$fuzzer" -runs="$runs" -print_final_stats=1 -artifact_prefix="fuzz/work/$reader-" \
        "$work" "fuzz/corpus/$reader" 2>&1 | tee "fuzz/work/$reader.log" |
        grep -E '^(Done|stat::number_of_executed_units|==.*ERROR)' || true
    "$fuzzer" -merge=1 "fuzz/corpus/$reader" "$work" >/dev/null 2>&1
    echo "$reader: $(ls "fuzz/corpus/$reader" | wc -l) files in the committed corpus"
done
