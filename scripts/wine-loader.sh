# Sourced by the scripts that run Wine: chooses 32-bit or 64-bit Wine. Wine runs a win32 program
# as a 32-bit Linux process, and some kernels refuse every 32-bit program (their loader fails with
# "Exec format error"); there the same Win32 sources are built for x86_64 and run under 64-bit
# Wine, as they are where 32-bit Wine is not installed. BARQUILL_WINE64=1 chooses 64-bit Wine on
# any machine. Sets wine_bits (32 or 64) and wine_loader.
if [ -n "${BARQUILL_WINE64:-}" ] || [ ! -x /usr/lib/wine/wine ] ||
   ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  wine_bits=64
  # Debian puts no 64-bit loader in PATH; /usr/bin/wine starts the 32-bit one whenever wine32 is
  # installed.
  wine_loader=/usr/lib/wine/wine64
else
  wine_bits=32
  wine_loader=wine
fi
