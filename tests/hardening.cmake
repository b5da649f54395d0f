# Hardening: robustness of the parsers and files against hostile input, the real program
# driven end to end in an X server, and (in a clang build with -DSTARLOOM_FUZZ=ON) the
# libFuzzer targets; included by tests/CMakeLists.txt.
if(STARLOOM_FUZZ)
    add_subdirectory(fuzz)
endif()

starloom_add_test(test_robustness LABEL files SOURCES test_robustness.cpp
                  support/scripted_services.h LIBS starloom_reading_gui SERIAL)
# The checked writer with its system calls failing one at a time.
starloom_add_test(test_file_io LABEL files SOURCES test_file_io.cpp LIBS starloom_shell_core)

# The desktop program typed into with xdotool in Xvfb: a birth, Calculate, Save As JPEG
# through the real save dialog, Exit, and a second copy refused.
if(TARGET starloom)
    add_test(NAME e2e_desktop
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run_e2e.sh $<TARGET_FILE:starloom>
                     ${CMAKE_CURRENT_BINARY_DIR}/e2e)
    set_tests_properties(e2e_desktop PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT 300)
endif()

# The birth-data form under Openbox: Return and Escape in every box, the form's height with a
# note as the date changes, and the export's proposed name beside a saved reading file.
if(TARGET starloom)
    add_test(NAME e2e_form
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run_e2e_form.sh $<TARGET_FILE:starloom>
                     ${CMAKE_CURRENT_BINARY_DIR}/e2e-form)
    set_tests_properties(e2e_form PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT 300)
endif()

# The chart window's opening size and place under Openbox at two screen sizes.
if(TARGET starloom AND TARGET starloom-cli)
    add_test(NAME e2e_window_size
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run_e2e_window.sh $<TARGET_FILE:starloom>
                     $<TARGET_FILE:starloom-cli> ${CMAKE_CURRENT_BINARY_DIR}/e2e-window)
    set_tests_properties(e2e_window_size PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT 300)
endif()
