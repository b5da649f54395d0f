# The chart window, the report window and the natal wheel.
starloom_add_test(test_windows_chart LABEL gui SERIAL
                  SOURCES test_windows_chart.cpp LIBS starloom_windows)
starloom_add_test(test_windows_report LABEL gui SERIAL
                  SOURCES test_windows_report.cpp LIBS starloom_windows)
# Saving the report window as a JPEG image, and printing it.
starloom_add_test(test_windows_image_names LABEL files
                  SOURCES test_windows_image_names.cpp LIBS starloom_windows)
starloom_add_test(test_windows_images LABEL gui SERIAL
                  SOURCES test_windows_images.cpp LIBS starloom_windows)
# The shape by degrees on the wheel and in the report window.
starloom_add_test(test_windows_degrees LABEL gui SERIAL
                  SOURCES test_windows_degrees.cpp LIBS starloom_windows)
# The aspect grid, the wheel's aspect lines and the orbs dialog.
starloom_add_test(test_windows_aspects LABEL gui SERIAL
                  SOURCES test_windows_aspects.cpp LIBS starloom_windows)
# Names for every control, the chart in words, and readable colours on any palette.
starloom_add_test(test_accessibility LABEL gui SERIAL
                  SOURCES test_accessibility.cpp LIBS starloom_reading_gui)
# The wheel's labels keep clear of each other and of the sector lines.
starloom_add_test(test_windows_wheel_labels LABEL gui
                  SOURCES test_windows_wheel_labels.cpp LIBS starloom_windows)
