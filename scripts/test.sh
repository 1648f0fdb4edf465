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
