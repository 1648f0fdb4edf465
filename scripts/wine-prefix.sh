#!/usr/bin/env bash
# Makes a Wine prefix in which the win32 tests and barquill-host.exe run with a Japanese Windows'
# fonts (japanese-fonts.reg beside this script):
#
#   scripts/wine-prefix.sh PREFIX      then   WINEPREFIX=PREFIX <loader> barquill-host.exe
#
# The loader is the one it prints: 32-bit Wine (`wine`, for build-win32) where the kernel runs
# 32-bit programs, else 64-bit Wine (/usr/lib/wine/wine64, for build-win64) in a 64-bit prefix.
# BARQUILL_WINE64=1 chooses 64-bit Wine on any machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ $# -ne 1 ]; then
  echo "usage: scripts/wine-prefix.sh PREFIX" >&2
  exit 2
fi
prefix="$(mkdir -p "$1" && cd "$1" && pwd)"

# shellcheck source=wine-loader.sh
. "$here/wine-loader.sh"
export WINEPREFIX="$prefix" WINEDEBUG=-all
# Once 64-bit Wine is installed a new prefix is 64-bit unless told otherwise; 32-bit Wine gets a
# 32-bit prefix, as a 32-bit Windows has.
if [ "$wine_bits" = 64 ]; then
  export WINEARCH=win64
else
  export WINEARCH=win32
fi
# The prefix is made before anything else runs in it: Wine processes that start together in a new
# prefix race to create its server directory, and the loser fails. In a 64-bit prefix wineboot
# tries two 32-bit helpers; where they cannot start it says so and carries on.
"$wine_loader" wineboot -i >/dev/null 2>&1
"$wine_loader" reg import "$here/japanese-fonts.reg" >/dev/null 2>&1
wineserver -w
echo "wine-prefix: $prefix for $wine_bits-bit Wine: WINEPREFIX=$prefix $wine_loader PROGRAM.exe"
