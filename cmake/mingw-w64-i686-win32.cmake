# Cross toolchain of the shipped Kalmora.exe: mingw-w64 for 32-bit Windows, win32 thread model,
# whose runtime imports nothing that Windows XP SP3 lacks.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(TOOLCHAIN_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
