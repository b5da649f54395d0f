# Builds the Debian package with CPack into a fresh folder and checks it with lintian: no
# error and no warning may remain. The changelog's latest entry must name the package's
# version, which lintian does not compare for a binary package.
# Run as: cmake -DBUILD_DIR=<build> -DOUTPUT=<folder> -DCHANGELOG=<file>
#               -P test_package_lintian.cmake
foreach(variable BUILD_DIR OUTPUT CHANGELOG)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()
foreach(tool lintian dpkg-deb)
    find_program(program_${tool} ${tool})
    if(NOT program_${tool})
        message(FATAL_ERROR "${tool} is missing (Debian package ${tool})")
    endif()
endforeach()

file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB
                        -B ${OUTPUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB packages ${OUTPUT}/*.deb)
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages (${result}):\n${out}${err}")
endif()

# lintian says on standard error when it runs as root; only its tags count.
execute_process(COMMAND ${program_lintian} --fail-on error,warning ${packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR tags MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian (${result}):\n${tags}${err}")
endif()

execute_process(COMMAND ${program_dpkg-deb} --field ${packages} Version
                OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
file(STRINGS ${CHANGELOG} first LIMIT_COUNT 1)
if(NOT first MATCHES "^qm-starloom \\(([^)]+)\\) " OR NOT CMAKE_MATCH_1 STREQUAL version)
    message(FATAL_ERROR "The changelog's latest entry is not for version ${version}:\n${first}")
endif()
message(STATUS "lintian passes ${packages}")
