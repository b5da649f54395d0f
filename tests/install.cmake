# The installable program: a second copy handing its file over, files opened from outside
# the form, drawing at twice the pixel density, and the installed tree itself.
starloom_add_test(test_install_channel LABEL files
                  SOURCES test_install_channel.cpp support/scripted_services.h LIBS starloom_shell)

starloom_add_test(test_install_open LABEL gui SERIAL
                  SOURCES test_install_open.cpp support/scripted_services.h LIBS starloom_app)
# One case starts the real program as a second copy.
add_dependencies(test_install_open starloom)
target_compile_definitions(test_install_open PRIVATE STARLOOM_PROGRAM="$<TARGET_FILE:starloom>")

starloom_add_test(test_install_hidpi LABEL gui SERIAL
                  SOURCES test_install_hidpi.cpp support/scripted_services.h LIBS starloom_reading_gui)
set_tests_properties(test_install_hidpi PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")

# An install into a fresh folder of the build tree, checked with the desktop's own tools by
# a script, then from inside by a Qt test.
set(install_check ${CMAKE_CURRENT_BINARY_DIR}/install-check)
if(TARGET starloom-cli)
    set(with_cli ON)
else()
    set(with_cli OFF)
endif()
add_test(NAME install_into_prefix
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${install_check}
                 -DWITH_CLI=${with_cli} -P ${CMAKE_CURRENT_SOURCE_DIR}/test_install_tree.cmake)
set_tests_properties(install_into_prefix PROPERTIES LABELS files FIXTURES_SETUP installed_tree)
starloom_add_test(test_install_tree LABEL files SOURCES test_install_tree.cpp LIBS starloom_shell)
target_compile_definitions(test_install_tree PRIVATE
                           STARLOOM_INSTALL_PREFIX="${install_check}"
                           STARLOOM_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                           STARLOOM_VERSION="${PROJECT_VERSION}"
                           STARLOOM_WITH_CLI=$<BOOL:${with_cli}>)
set_tests_properties(test_install_tree PROPERTIES FIXTURES_REQUIRED installed_tree)

# The Debian package, built as `make package` builds it, checked by lintian.
add_test(NAME package_lintian
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                 -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/package-check
                 -DCHANGELOG=${PROJECT_SOURCE_DIR}/packaging/changelog
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/test_package_lintian.cmake)
set_tests_properties(package_lintian PROPERTIES LABELS files TIMEOUT 900)
