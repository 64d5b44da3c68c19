#!/usr/bin/env bash
# Rewrites the reference renderings of the metafiles in
# tests/picture/metafile/data/ after an intended change to how metafiles are
# drawn. Look at the changed PNGs (git diff shows which) before committing
# them: the comparison in metafile_tests is exact.
#   scripts/regenerate-metafile-references.sh [--metafiles]
# With --metafiles the metafiles themselves are first rewritten from their
# generator (tests/picture/metafile/referencemetafiles.cpp), after a theme
# was changed or a file added for a new record handler.
# Builds in build/ (or $BUILD_DIR), configured as the README says if it is not.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target metafile_references
QT_QPA_PLATFORM=offscreen "$build/tests/picture/metafile/metafile_references" \
    tests/picture/metafile/data "$@"
