# i686 Windows build: mingw-w64 with POSIX threads. These machines run no
# 32-bit code, so its test programs are built but not run; the module is
# checked by reading it (exports, imports, machine type).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELOR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
