#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and starts it from the project
# folder; its read-me document "Quorvel.txt" is built beside the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target Quorvel
exec build/src/app/Quorvel
