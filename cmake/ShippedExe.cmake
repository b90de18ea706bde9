# The Kalmora.exe this configuration ships, which the end-to-end tests drive and the import check
# reads: KALMORA_EXE (its path) and KALMORA_EXE_TARGET (the target that makes it).
#
# With KALMORA_SHIPPED_TOOLCHAIN set, a nested build of this same source tree links it with that
# toolchain (the 32-bit build's tests need the posix thread model, the exe must not have it);
# otherwise it is this configuration's own Kalmora target.
set(KALMORA_SHIPPED_TOOLCHAIN "" CACHE FILEPATH
    "Toolchain file that links the shipped Kalmora.exe; empty: this configuration's own")

if(KALMORA_SHIPPED_TOOLCHAIN)
    include(ExternalProject)
    set(shipped ${CMAKE_BINARY_DIR}/shipped)
    set(KALMORA_EXE ${shipped}/app/Kalmora.exe)
    ExternalProject_Add(kalmora_shipped
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${shipped}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${KALMORA_SHIPPED_TOOLCHAIN}
                   -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
                   -DBUILD_TESTING=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${shipped} --target Kalmora minimal_dialog
        BUILD_BYPRODUCTS ${KALMORA_EXE} ${shipped}/tools/driver/minimal_dialog.exe
        INSTALL_COMMAND ""
        # The nested build sees the sources itself: ask it every time, it answers fast.
        BUILD_ALWAYS ON
        USES_TERMINAL_BUILD OFF)
    set(KALMORA_EXE_TARGET kalmora_shipped)
else()
    set(KALMORA_EXE $<TARGET_FILE:Kalmora>)
    set(KALMORA_EXE_TARGET Kalmora)
endif()
