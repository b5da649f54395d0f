# Fails when any C++ source under the source tree differs from its clang-format output.
# Run as: cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P check_format.cmake
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/engine/*.cpp ${SOURCE_DIR}/engine/*.h
     ${SOURCE_DIR}/patterns/*.cpp ${SOURCE_DIR}/patterns/*.h
     ${SOURCE_DIR}/retrograde/*.cpp ${SOURCE_DIR}/retrograde/*.h
     ${SOURCE_DIR}/reading/*.cpp ${SOURCE_DIR}/reading/*.h
     ${SOURCE_DIR}/windows/*.cpp ${SOURCE_DIR}/windows/*.h
     ${SOURCE_DIR}/shell/*.cpp ${SOURCE_DIR}/shell/*.h
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/cli/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
     ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
if(NOT sources)
    return()
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result
                ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Sources not formatted (run 'make format'):\n${errors}")
endif()
