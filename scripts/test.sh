#!/usr/bin/env bash
# Sets up, builds and runs every test: the native tests (including the comparisons with the peer
# encoders and decoder) and the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/setup.sh

echo "== native build and tests"
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBARQUILL_SANITIZE=ON \
  -DBARQUILL_PEER_TESTS=OFF >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== win32 build and tests under Wine"
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build-win32
# A fresh Wine prefix per run keeps the registry clean; Wine needs a display to create windows.
# The toolchain runs each test through wine with its diagnostics and debugger off.
wineprefix=$(mktemp -d)
trap 'WINEPREFIX="$wineprefix" wineserver -k 2>/dev/null || true; rm -rf "$wineprefix"' EXIT
WINEPREFIX="$wineprefix" xvfb-run -a ctest --test-dir build-win32 --output-on-failure --timeout 600 -j "$jobs"
