#!/usr/bin/env bash
# Makes the README's pictures again, from the fixed clicks of its walkthrough
# on data/face.bmp: drives the real main window on Qt's offscreen platform and
# writes docs/screenshot-step9.png, docs/contour-step5.png and
# docs/contour-step6.png. Run it after a change to the window.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BUILD_TOOLS=ON
cmake --build build -j "$(nproc)" --target quorvel_screenshots
QT_QPA_PLATFORM=offscreen build/tools/quorvel_screenshots data/face.bmp docs
