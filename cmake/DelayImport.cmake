# kalmora_delay_import(TARGET DLL...): TARGET loads each named system DLL at its first call
# instead of at start-up. Import libraries of the same names, made from the system's own list
# of the DLL's functions, are put ahead of the system's in TARGET's library search.
#
# 32-bit names are decorated: a __stdcall function is the symbol _Name@N, which a module
# definition writes Name@N, and --kill-at makes the DLL's own name Name what the program imports.
# The 32-bit linker also drops the code of an import stub whose own symbol nobody names, and the
# headers make every call go through the __imp_ pointer instead: the pointer would start at 0,
# not at the code that loads the DLL. So, just before TARGET is linked, the functions its
# libraries import from these DLLs are listed and their stubs asked for by name (-u).
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
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        if(NOT EXISTS ${dir}/keep.rsp)
            file(WRITE ${dir}/keep.rsp "")
        endif()
        target_link_options(${target} PRIVATE @${dir}/keep.rsp)
        # The libraries are known once the target's directory has been read. A deferred call
        # reads its variables when it runs: the values are written into it now.
        cmake_language(EVAL CODE "cmake_language(DEFER CALL
            _kalmora_keep_delay_stubs [[${target}]] [[${dir}]] ${ARGN})")
    endif()
endfunction()

# The static libraries TARGET links, directly or through others.
function(_kalmora_static_libraries target result)
    set(found)
    set(queue ${target})
    while(queue)
        list(POP_FRONT queue current)
        get_target_property(direct ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(library IN LISTS direct interface)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
            if(TARGET ${library} AND NOT library IN_LIST found)
                list(APPEND found ${library})
                list(APPEND queue ${library})
            endif()
        endforeach()
    endwhile()
    set(files)
    foreach(library IN LISTS found)
        get_target_property(type ${library} TYPE)
        if(type STREQUAL "STATIC_LIBRARY")
            list(APPEND files $<TARGET_FILE:${library}>)
        endif()
    endforeach()
    set(${result} ${files} PARENT_SCOPE)
endfunction()

function(_kalmora_keep_delay_stubs target dir)
    _kalmora_static_libraries(${target} libraries)
    list(TRANSFORM ARGN PREPEND ${dir}/ OUTPUT_VARIABLE defs)
    list(TRANSFORM defs APPEND .def)
    add_custom_command(TARGET ${target} PRE_LINK
        COMMAND ${CMAKE_COMMAND} -DNM=${KALMORA_NM} "-DDEFS=${defs}"
                "-DINPUTS=$<TARGET_OBJECTS:${target}>;${libraries}" -DOUT=${dir}/keep.rsp
                -P ${PROJECT_SOURCE_DIR}/cmake/DelayImportKeep.cmake
        VERBATIM)
endfunction()
