# The reading core and the command-line tool's core stand on QtCore alone. Two checks:
# core_link_closure walks everything the core targets link, to the last library, and fails
# on any Qt module other than QtCore; test_cli_core links the core only, runs a reading in
# its own process without loading a GUI module, and runs every command that does not draw
# through a tool built from the core alone, against the same golden files as starloom-cli.

# Every library `target` links, its own dependencies' dependencies included.
function(starloom_link_closure target out)
    set(seen "")
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending item)
        if(item IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${item})
        if(NOT TARGET ${item})
            continue()
        endif()
        get_target_property(links ${item} INTERFACE_LINK_LIBRARIES)
        get_target_property(imported ${item} IMPORTED)
        if(NOT imported)
            get_target_property(own ${item} LINK_LIBRARIES)
            if(own)
                list(APPEND links ${own})
            endif()
        endif()
        foreach(link IN LISTS links)
            # A static library's private dependencies come wrapped as $<LINK_ONLY:...>.
            string(REGEX REPLACE "^\\$<LINK_ONLY:([^>]+)>$" "\\1" link "${link}")
            if(link AND NOT link MATCHES "^\\$<" AND NOT link MATCHES "-NOTFOUND$")
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

set(core_closure_file ${CMAKE_CURRENT_BINARY_DIR}/core_link_closure.txt)
set(core_closure_text "")
foreach(core starloom_shell_core starloom_reading starloom_cli)
    if(TARGET ${core})
        starloom_link_closure(${core} closure)
        string(REPLACE ";" "," closure "${closure}")
        string(APPEND core_closure_text "${core}: ${closure}\n")
    endif()
endforeach()
file(WRITE ${core_closure_file} "${core_closure_text}")
add_test(NAME core_link_closure
         COMMAND ${CMAKE_COMMAND} -DCLOSURE=${core_closure_file}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/core/check_link_closure.cmake)
set_tests_properties(core_link_closure PROPERTIES LABELS files)

if(TARGET starloom_cli AND TARGET starloom-cli)
    # starloom-cli with nothing to draw with: the tool as the core alone makes it.
    add_executable(starloom-cli-core core/cli_core_main.cpp)
    target_link_libraries(starloom-cli-core PRIVATE starloom_cli)
    starloom_defaults(starloom-cli-core)

    starloom_add_test(test_cli_core LABEL cli SOURCES test_cli_core.cpp test_cli_support.h
                      LIBS starloom_cli)
    # A failure's status, from the step that failed to the window's and the tool's words.
    starloom_add_test(test_status LABEL files SOURCES test_status.cpp LIBS starloom_cli)
    target_compile_definitions(test_cli_core PRIVATE
        STARLOOM_CLI="$<TARGET_FILE:starloom-cli-core>"
        STARLOOM_CLI_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden/cli")
    add_dependencies(test_cli_core starloom-cli-core)
endif()
