# Shared by the Windows toolchains: mingw-w64 (POSIX threads variant) with the prefix the including
# file sets in BARQUILL_MINGW_PREFIX. Test executables run under Wine through CTest; the loader is
# BARQUILL_WINE, which a test that starts a Wine program itself (such as `reg`) uses too, so that a
# 64-bit test build never starts a 32-bit program. WINEDEBUG=-all keeps Wine's diagnostics out of
# the test output, and with its debugger disabled a crashing test fails at once instead of waiting
# in the debugger.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${BARQUILL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BARQUILL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BARQUILL_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${BARQUILL_MINGW_PREFIX}-objdump CACHE FILEPATH "objdump for the target")

set(CMAKE_FIND_ROOT_PATH /usr/${BARQUILL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(BARQUILL_WINE_COMMAND env WINEDEBUG=-all WINEDLLOVERRIDES=winedbg.exe=d ${BARQUILL_WINE})
set(CMAKE_CROSSCOMPILING_EMULATOR ${BARQUILL_WINE_COMMAND})
