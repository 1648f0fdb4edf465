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
         settings_record_fuzzer options_fuzzer gs1_fuzzer)
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
# The plug-in that ships is the 32-bit build's Barquill.aip: it is built on every machine, and its
# export table and PIPL are checked from the file, without Wine.
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build-win32 --target Barquill
ctest --test-dir build-win32 --output-on-failure -L plugin_file
# The other win32 tests run under 32-bit Wine from build-win32 where the kernel runs 32-bit
# programs, else from build-win64, the same sources built for x86_64 (for the tests only: it never
# ships), under 64-bit Wine.
. scripts/wine-loader.sh
wine_build=build-win$wine_bits
if [ "$wine_bits" = 64 ]; then
  cmake -S . -B build-win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
  # A test that starts /usr/bin/wine would start a 32-bit program: here it fails at once.
  no32=$(mktemp -d)
  printf '#!/bin/sh\necho "wine: a 32-bit Wine program was started: $*" >&2\nexit 1\n' >"$no32/wine"
  chmod +x "$no32/wine"
  export PATH="$no32:$PATH"
fi
cmake --build "$wine_build"
# A fresh Wine prefix per run keeps the registry clean; Wine needs a display to create windows.
# The toolchain runs each test through its Wine loader with its diagnostics and debugger off.
wineprefix=$(mktemp -d)
trap 'WINEPREFIX="$wineprefix" wineserver -k 2>/dev/null || true; rm -rf "$wineprefix" ${no32:+"$no32"}' EXIT
scripts/wine-prefix.sh "$wineprefix" >/dev/null
rm -rf "$wine_build/screenshots"
status=0
WINEPREFIX="$wineprefix" xvfb-run -a ctest --test-dir "$wine_build" --output-on-failure \
  --timeout 600 -j "$jobs" -LE plugin_file | tee "$wine_build/wine-tests.log" || status=$?
# "100% tests passed, 0 tests failed out of 32"
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' \
  "$wine_build/wine-tests.log" || true)
failed=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/')
total=$(echo "$summary" | sed -E 's/.* out of ([0-9]+).*/\1/')
if [ -n "$summary" ]; then
  echo "win32: $((total - failed))/$total tests under $wine_bits-bit Wine" \
    "(from $wine_build; screenshots in $wine_build/screenshots)"
else
  echo "win32: the tests under $wine_bits-bit Wine did not run" >&2
  status=1
fi
exit "$status"
