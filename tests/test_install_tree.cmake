# Installs the build into a fresh folder and checks what lands there: every file of the
# install; a desktop entry that desktop-file-validate passes without a remark; a reading-file
# type from which update-mime-database builds a database that maps *.act to it; manual pages
# that groff formats without a warning. It also renders the scalable icon for
# test_install_tree, which looks inside the installed files.
# Run as: cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DWITH_CLI=ON|OFF
#               -P test_install_tree.cmake
foreach(variable BUILD_DIR PREFIX WITH_CLI)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

# Runs a program that must succeed and say nothing; fails with what it said.
function(run_quietly what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT result EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
        message(FATAL_ERROR "${what} failed (${result}):\n${out}${err}")
    endif()
endfunction()

function(need_program variable name package)
    find_program(${variable} ${name})
    if(NOT ${variable})
        message(FATAL_ERROR "${name} is missing (Debian package ${package})")
    endif()
endfunction()

set(scratch ${PREFIX}-scratch)
file(REMOVE_RECURSE ${PREFIX} ${scratch})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${out}${err}")
endif()

set(expected
    bin/starloom
    share/applications/starloom.desktop
    share/mime/packages/qm-starloom.xml
    share/icons/hicolor/scalable/apps/starloom.svg
    share/man/man1/starloom.1
    share/doc/qm-starloom/LICENSE
    share/doc/qm-starloom/copyright)
foreach(side 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${side}x${side}/apps/starloom.png)
endforeach()
if(WITH_CLI)
    list(APPEND expected bin/starloom-cli share/man/man1/starloom-cli.1)
endif()
set(missing)
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    string(REPLACE ";" "\n  " missing "${missing}")
    message(FATAL_ERROR "Not installed under ${PREFIX}:\n  ${missing}")
endif()

need_program(DESKTOP_FILE_VALIDATE desktop-file-validate desktop-file-utils)
run_quietly("desktop-file-validate" ${DESKTOP_FILE_VALIDATE}
            ${PREFIX}/share/applications/starloom.desktop)

# The database is built in a scratch copy, so that the install itself stays as installed.
need_program(UPDATE_MIME_DATABASE update-mime-database shared-mime-info)
file(MAKE_DIRECTORY ${scratch}/mime/packages)
file(COPY ${PREFIX}/share/mime/packages/qm-starloom.xml DESTINATION ${scratch}/mime/packages)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${scratch}/mime RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR err MATCHES "[Ee]rror|[Ww]arning|[Ii]gnor")
    message(FATAL_ERROR "update-mime-database failed (${result}):\n${out}${err}")
endif()
file(STRINGS ${scratch}/mime/globs2 globs REGEX "^[0-9]+:application/x-starloom-reading:")
if(NOT globs MATCHES "application/x-starloom-reading:\\*\\.act:cs")
    message(FATAL_ERROR "The MIME database maps no *.act (case-sensitive) to the reading type:\n"
                        "${globs}")
endif()

need_program(GROFF groff groff-base)
foreach(page starloom.1 starloom-cli.1)
    if(EXISTS ${PREFIX}/share/man/man1/${page})
        run_quietly("groff on ${page}" ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
                    ${GROFF} -man -ww -z -Tutf8 ${PREFIX}/share/man/man1/${page})
    endif()
endforeach()

# The scalable icon as the desktop's SVG renderer draws it, for comparison with the
# program's own drawing.
need_program(RSVG_CONVERT rsvg-convert librsvg2-bin)
run_quietly("rsvg-convert" ${RSVG_CONVERT} --width 64 --height 64
            --output ${scratch}/scalable-64.png ${PREFIX}/share/icons/hicolor/scalable/apps/starloom.svg)
