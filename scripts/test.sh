#!/usr/bin/env bash
# Installs what is missing, builds Quorvel three ways and runs every test:
#   build/       the normal build: all unit, GUI and end-to-end tests
#   build-asan/  AddressSanitizer + UndefinedBehaviorSanitizer (leak checks on): the core
#                and picture tests and the random walk through the main window
#   build-fuzz/  clang + libFuzzer: each file reader fuzzed for a bounded time
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
# Warnings are errors in every build of the project's own test run.
strict=-DQUORVEL_WARNINGS_AS_ERRORS=ON

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BUILD_BENCH=ON "$strict"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" -LE fuzz

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON "$strict"
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs" -L 'core|picture|walk'

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_BUILD_FUZZ=ON -DQUORVEL_BUILD_TESTS=OFF "$strict"
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -L fuzz
