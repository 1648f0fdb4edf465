# Cross-compiles the same Windows sources for x86_64, for tests only: on a kernel that runs no 32-bit
# programs the Win32 tests run from this build under 64-bit Wine. Debian installs the 64-bit loader
# outside PATH; /usr/bin/wine would start the 32-bit one whenever wine32 is installed.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BARQUILL_MINGW_PREFIX x86_64-w64-mingw32)
set(BARQUILL_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
