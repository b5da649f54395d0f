# The application shell: scrambled text, settings, start-up, the About box, shut-down.
starloom_add_test(test_shell_text LABEL files SOURCES test_shell_text.cpp LIBS starloom_shell)
starloom_add_test(test_shell_startup LABEL files
                  SOURCES test_shell_startup.cpp support/scripted_services.h LIBS starloom_shell)
starloom_add_test(test_shell_windows LABEL gui
                  SOURCES test_shell_windows.cpp support/scripted_services.h LIBS starloom_shell
                  SERIAL)
