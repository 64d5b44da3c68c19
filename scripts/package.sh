#!/usr/bin/env bash
# Builds the Debian package quorvel_<version>_amd64.deb from this tree:
#   scripts/package.sh [OUT_DIR [BUILD_DIR]]
# OUT_DIR receives the package (default: this folder), BUILD_DIR holds the
# build of what ships (default: build-package/). Install it with
#   apt install ./quorvel_*.deb
set -euo pipefail
here=$(realpath "$(dirname "$0")/..")
out=$(realpath -m "${1:-$here}")
build=$(realpath -m "${2:-$here/build-package}")
cd "$here"
scripts/install-deps.sh
mkdir -p "$out"

# Debian's compiler and linker flags: optimised, with debug information that
# CPack strips, and hardened (fortified functions, stack protector, full
# RELRO), given on every configure so that a reused build folder keeps them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUORVEL_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/quorvel_*.deb
(cd "$build" && cpack)
for deb in "$build"/quorvel_*.deb; do
    cp "$deb" "$out/"
    echo "$out/${deb##*/}"
done
