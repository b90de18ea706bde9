# kalmora_delay_import(TARGET DLL...): TARGET loads each named system DLL at its first call
# instead of at start-up. Import libraries of the same names, made from the system's own list
# of the DLL's functions, are put ahead of the system's in TARGET's library search.
#
# 32-bit names are decorated: a __stdcall function is the symbol _Name@N, which a module
# definition writes Name@N, and --kill-at makes the DLL's own name Name what the program imports.
find_program(KALMORA_NM ${TOOLCHAIN_PREFIX}-nm REQUIRED)
find_program(KALMORA_DLLTOOL ${TOOLCHAIN_PREFIX}-dlltool REQUIRED)

function(kalmora_delay_import target)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}-delay)
    file(MAKE_DIRECTORY ${dir})
    foreach(dll ${ARGN})
        find_library(import_${dll} ${dll} REQUIRED)
        execute_process(
            COMMAND ${KALMORA_NM} -g --defined-only ${import_${dll}}
            OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_@]*" functions "${symbols}")
        list(TRANSFORM functions REPLACE "^[0-9a-f]+ T " "")
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            list(TRANSFORM functions REPLACE "^_" "")
            set(kill_at --kill-at)
        else()
            set(kill_at)
        endif()
        list(REMOVE_DUPLICATES functions)
        list(JOIN functions "\n" exports)
        file(WRITE ${dir}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
        execute_process(
            COMMAND ${KALMORA_DLLTOOL} --input-def ${dir}/${dll}.def
                    --output-delaylib ${dir}/lib${dll}.a ${kill_at}
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    target_link_directories(${target} BEFORE PRIVATE ${dir})
endfunction()
