# Run by CPack once it has installed the files into its staging folder, before it builds
# the Debian package: Debian keeps manual pages and the changelog compressed with
# `gzip -9n` (no name or time stamp in the header, so the same files give the same bytes).
# The plain install (`cmake --install`) keeps them as they are.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(GLOB pages "${root}/${CPACK_STARLOOM_MANDIR}/man[1-9]/*.[1-9]")
set(files ${pages} "${root}/${CPACK_STARLOOM_DOCDIR}/changelog")
foreach(file IN LISTS files)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "Not in the package's staging folder: ${file}")
    endif()
    execute_process(COMMAND gzip -9n --force "${file}" RESULT_VARIABLE result
                    ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip ${file} failed (${result}): ${err}")
    endif()
endforeach()
