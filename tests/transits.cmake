# Transit events and the second charts against the Swiss Ephemeris, linked into these tests
# only.
include(${PROJECT_SOURCE_DIR}/cmake/SwissEphemeris.cmake)
starloom_add_test(test_transits LABEL engine SOURCES test_transits.cpp LIBS starloom_engine)
starloom_link_swiss_ephemeris(test_transits)
starloom_add_test(test_second_chart LABEL engine SOURCES test_second_chart.cpp LIBS starloom_engine)
starloom_link_swiss_ephemeris(test_second_chart)
