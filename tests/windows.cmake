# The chart window, the report window and the natal wheel.
starloom_add_test(test_windows_chart LABEL gui SERIAL
                  SOURCES test_windows_chart.cpp LIBS starloom_windows)
starloom_add_test(test_windows_report LABEL gui SERIAL
                  SOURCES test_windows_report.cpp LIBS starloom_windows)
