# The program's languages: the choice of language and what it must leave alone.
starloom_add_test(test_language LABEL files SOURCES test_language.cpp test_cli_support.h
                  LIBS starloom_cli)
target_compile_definitions(test_language PRIVATE ${cli_test_definitions})
add_dependencies(test_language starloom-cli)
