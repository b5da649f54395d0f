# starloom-cli: the tool run as a process, its outputs against golden files, the
# program's own writers and the desktop driver; included by tests/CMakeLists.txt.
set(cli_test_definitions
    STARLOOM_CLI="$<TARGET_FILE:starloom-cli>"
    STARLOOM_CLI_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden/cli"
    STARLOOM_BATCH_CHECK="${CMAKE_CURRENT_SOURCE_DIR}/support/batch_check.py")
foreach(name test_cli test_cli_batch test_cli_place test_cli_faults)
    starloom_add_test(${name} LABEL cli SOURCES ${name}.cpp test_cli_support.h
                      LIBS starloom_cli)
    target_compile_definitions(${name} PRIVATE ${cli_test_definitions})
    add_dependencies(${name} starloom-cli)
endforeach()
# The tool's core on a file system without unnamed temporary files, for the faults test.
add_executable(starloom-cli-named support/cli_named_temporaries_main.cpp)
target_link_libraries(starloom-cli-named PRIVATE starloom_cli)
starloom_defaults(starloom-cli-named)
target_compile_definitions(test_cli_faults PRIVATE
                           STARLOOM_CLI_NAMED="$<TARGET_FILE:starloom-cli-named>")
add_dependencies(test_cli_faults starloom-cli-named)
# The statistics, and their chart drawn in the test's own process and rendered again.
find_package(Qt6 REQUIRED COMPONENTS Svg)
starloom_add_test(test_cli_stats LABEL cli SOURCES test_cli_stats.cpp test_cli_support.h
                  LIBS starloom_cli_gui Qt6::Svg)
target_compile_definitions(test_cli_stats PRIVATE ${cli_test_definitions})
add_dependencies(test_cli_stats starloom-cli)
# It drives the desktop program's windows beside the tool, so it runs alone.
starloom_add_test(test_cli_desktop LABEL cli SERIAL
                  SOURCES test_cli_desktop.cpp test_cli_support.h LIBS starloom_cli_gui)
target_compile_definitions(test_cli_desktop PRIVATE ${cli_test_definitions})
add_dependencies(test_cli_desktop starloom-cli)
# The printed reading as a PDF file, from the library and from starloom-cli pdf.
starloom_add_test(test_reading_document LABEL files
                  SOURCES test_reading_document.cpp test_cli_support.h LIBS starloom_cli_gui)
target_compile_definitions(test_reading_document PRIVATE ${cli_test_definitions})
add_dependencies(test_reading_document starloom-cli)
# The second charts over a reading: transits, progressions, directions and synastry.
starloom_add_test(test_cli_second LABEL cli SOURCES test_cli_second.cpp test_cli_support.h
                  LIBS starloom_cli)
target_compile_definitions(test_cli_second PRIVATE ${cli_test_definitions})
add_dependencies(test_cli_second starloom-cli)
