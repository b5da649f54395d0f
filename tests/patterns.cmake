# Pattern classification and its report; included by tests/CMakeLists.txt.
starloom_add_test(test_patterns LABEL engine
                  SOURCES test_patterns.cpp test_patterns_fixtures.h LIBS starloom_patterns)
starloom_add_test(test_patterns_report LABEL engine
                  SOURCES test_patterns_report.cpp test_patterns_fixtures.h
                  LIBS starloom_patterns)
target_compile_definitions(test_patterns_report PRIVATE
    STARLOOM_PATTERN_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden/patterns")
starloom_add_test(test_degree_pattern LABEL engine
                  SOURCES test_degree_pattern.cpp LIBS starloom_patterns)
