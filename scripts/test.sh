#!/usr/bin/env bash
# Sets up, builds and runs every test: the native tests (including the comparisons with the peer
# encoders and decoder), the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# short run of every fuzz target, and the win32 tests under Wine.
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

echo "== fuzz targets: a short run of each from its seeds"
# clang with libFuzzer, every library instrumented and under AddressSanitizer and
# UndefinedBehaviorSanitizer. A fixed seed makes each run repeatable; the long runs are made by hand.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DBARQUILL_FUZZ=ON -DBARQUILL_PEER_TESTS=OFF >/dev/null
fuzzers=(databar_fuzzer composite_fuzzer expanded_fuzzer code_text_fuzzer medical128_fuzzer
         settings_record_fuzzer options_fuzzer)
cmake --build build-fuzz --target "${fuzzers[@]}"
fuzzdir=$(mktemp -d)
trap 'rm -rf "$fuzzdir"' EXIT
fuzz/write_seeds.py "$fuzzdir/seeds"
mkdir -p build-fuzz/findings
for fuzzer in "${fuzzers[@]}"; do
  mkdir -p "$fuzzdir/corpus/$fuzzer"
  # A finding is kept in build-fuzz/findings; the fuzzer given that file runs it again.
  if ! build-fuzz/fuzz/"$fuzzer" -seed=1 -max_total_time=5 -timeout=10 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/findings/"$fuzzer"- "$fuzzdir/corpus/$fuzzer" \
      "$fuzzdir/seeds/$fuzzer" >"$fuzzdir/$fuzzer.log" 2>&1; then
    tail -n 40 "$fuzzdir/$fuzzer.log" >&2
    exit 1
  fi
  echo "$fuzzer: $(grep -o '^stat::number_of_executed_units: [0-9]*' "$fuzzdir/$fuzzer.log")"
done
rm -rf "$fuzzdir"

echo "== win32 build and tests under Wine"
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build-win32
# Wine runs a win32 program as a 32-bit Linux process. Some kernels run 64-bit programs only and
# refuse every 32-bit one (their loader fails with "Exec format error"); there the tests that need
# Wine cannot run at all, so only the plug-in's export check runs and the skip is said plainly.
if [ -x /lib/ld-linux.so.2 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  ctest --test-dir build-win32 --output-on-failure -R '^plugin_exports$'
  echo "!! This machine runs no 32-bit programs: the win32 build was made, but its tests under" \
    "Wine were NOT run." >&2
  exit 0
fi
# A fresh Wine prefix per run keeps the registry clean; Wine needs a display to create windows.
# The toolchain runs each test through wine with its diagnostics and debugger off.
wineprefix=$(mktemp -d)
trap 'WINEPREFIX="$wineprefix" wineserver -k 2>/dev/null || true; rm -rf "$wineprefix"' EXIT
# The prefix is made once before the tests start: Wine processes that start together in a new prefix
# race to create its server directory, and the loser fails.
WINEPREFIX="$wineprefix" WINEDEBUG=-all wineboot -i >/dev/null 2>&1
WINEPREFIX="$wineprefix" wineserver -w
WINEPREFIX="$wineprefix" xvfb-run -a ctest --test-dir build-win32 --output-on-failure --timeout 600 -j "$jobs"
