# The application shell: scrambled text, settings, start-up, the About box, shut-down.
starloom_add_test(test_shell_text LABEL files SOURCES test_shell_text.cpp LIBS starloom_shell)
