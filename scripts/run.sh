#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and starts it from the project
# folder; its read-me document "Quorvel.txt" is built beside the program.
# Files given are passed on, as to "Quorvel FILE": scripts/run.sh
# data/face.bmp opens the face.
set -euo pipefail
# Named from the caller's folder, before the change to the project folder.
files=()
for file in "$@"; do
    files+=("$(realpath -m -- "$file")")
done
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target Quorvel
exec build/src/app/Quorvel "${files[@]}"
