# Cross-compiles the 32-bit Windows build, the one that ships, run under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BARQUILL_MINGW_PREFIX i686-w64-mingw32)
set(BARQUILL_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
