#!/usr/bin/env bash
# Installs everything the builds and tests need on a fresh Debian 12 machine: compilers (native,
# and mingw-w64 for i686 and x86_64), CMake, GoogleTest, Google Benchmark, cairo, FreeType, fonts,
# iso-codes (the country and currency lists the GS1 checks are built with), 32-bit and 64-bit Wine
# with Xvfb, the peer encoders (zint, and bwip-js and zxing-wasm from npm), tmux (a terminal for the
# batch progress bar's test). Safe to run again: it installs only what is missing.
#
# fonts-droid-fallback (which Debian's ghostscript recommends) has Japanese but no Latin letters;
# Wine picks it for a Japanese font asked for by character set alone. It is installed so that the
# win32 tests always meet it, as users' machines may.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build python3 pkg-config iso-codes
  googletest libgtest-dev libbenchmark-dev hyperfine
  libcairo2-dev libfreetype-dev fontconfig fonts-ocr-b fonts-ipafont-gothic
  zint libzint-dev
  poppler-utils ghostscript tmux
  clang libclang-rt-14-dev clang-format
  g++-mingw-w64-i686-posix wine xvfb xauth
  g++-mingw-w64-x86-64-posix wine64
  fonts-droid-fallback
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  missing+=(nodejs npm)
fi

if [ "${#missing[@]}" -gt 0 ] || [ -n "${need_update:-}" ]; then
  echo "setup: installing ${missing[*]}"
  # A mirror in the middle of a sync fails the update now and then; try again, and go on with the
  # lists already fetched if it keeps failing (the install below says what is truly missing).
  for attempt in 1 2 3; do
    as_root apt-get update -qq && break
    echo "setup: apt-get update failed (attempt $attempt), trying again" >&2
    sleep $((attempt * 10))
  done
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# 32-bit Wine, on its own: its i386 lists are the ones a mirror sync breaks, and without it the
# Win32 tests still run, under 64-bit Wine (scripts/wine-loader.sh chooses).
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    wine32:i386 >/dev/null; then
    echo "setup: wine32:i386 could not be installed; the Win32 tests will run under 64-bit Wine" >&2
  fi
fi

if [ ! -d tests/peers/node_modules ] || [ tests/peers/package-lock.json -nt tests/peers/node_modules ]; then
  echo "setup: installing the npm peers"
  (cd tests/peers && npm ci --no-audit --no-fund --loglevel=error)
fi
