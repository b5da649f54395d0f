# The installable program: a second copy handing its file over, files opened from outside
# the form, and drawing at twice the pixel density.
starloom_add_test(test_install_channel LABEL files
                  SOURCES test_install_channel.cpp support/scripted_services.h LIBS starloom_shell)

starloom_add_test(test_install_open LABEL gui SERIAL
                  SOURCES test_install_open.cpp support/scripted_services.h LIBS starloom_app)
# One case starts the real program as a second copy.
add_dependencies(test_install_open starloom)
target_compile_definitions(test_install_open PRIVATE STARLOOM_PROGRAM="$<TARGET_FILE:starloom>")

starloom_add_test(test_install_hidpi LABEL gui SERIAL
                  SOURCES test_install_hidpi.cpp support/scripted_services.h LIBS starloom_reading)
set_tests_properties(test_install_hidpi PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=2")
