# The precise positions against the Swiss Ephemeris itself, and the standard formulas against
# the same library. The library is linked into this test only.
include(${PROJECT_SOURCE_DIR}/cmake/SwissEphemeris.cmake)
if(NOT SWE_FOUND)
    message(FATAL_ERROR "libswe-dev and swe-standard-data are needed for the tests "
                        "(deps/debian-packages.txt)")
endif()
starloom_add_test(test_precise LABEL engine SOURCES test_precise.cpp
                  LIBS starloom_reading starloom_retrograde starloom_engine)
starloom_link_swiss_ephemeris(test_precise)
target_compile_definitions(test_precise PRIVATE STARLOOM_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# The house cusps against the same library's house routine.
starloom_add_test(test_houses LABEL engine SOURCES test_houses.cpp LIBS starloom_engine)
starloom_link_swiss_ephemeris(test_houses)
# Whole charts of numbers, their houses against the library's for the same instant and place.
starloom_add_test(test_natal_chart LABEL engine SOURCES test_natal_chart.cpp
                  LIBS starloom_retrograde starloom_engine)
starloom_link_swiss_ephemeris(test_natal_chart)
