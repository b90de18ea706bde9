# Cross toolchain: mingw-w64 for 32-bit Windows, posix thread model. The test programs need it
# (GoogleTest uses std::mutex); its winpthreads imports functions Windows XP lacks, so the
# shipped Kalmora.exe is linked by mingw-w64-i686-win32.cmake instead.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(TOOLCHAIN_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
