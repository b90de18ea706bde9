# Cross toolchain: mingw-w64 for 64-bit Windows, posix thread model (GoogleTest needs std::mutex).
# Tests only: what ships is the 32-bit Kalmora.exe.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(TOOLCHAIN_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
