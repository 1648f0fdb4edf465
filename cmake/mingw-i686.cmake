# Cross-compiles the 32-bit Windows build with mingw-w64 (POSIX threads variant). Test executables
# run under Wine through CTest; WINEDEBUG=-all keeps Wine's diagnostics out of the test output,
# and with its debugger disabled a crashing test fails at once instead of waiting in the debugger.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(BARQUILL_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${BARQUILL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BARQUILL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BARQUILL_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${BARQUILL_MINGW_PREFIX}-objdump CACHE FILEPATH "objdump for the target")

set(CMAKE_FIND_ROOT_PATH /usr/${BARQUILL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEDLLOVERRIDES=winedbg.exe=d wine)
