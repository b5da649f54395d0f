# Retrograde station tables and lookup.
starloom_add_test(test_retrograde LABEL engine SOURCES test_retrograde.cpp
                  LIBS starloom_retrograde starloom_engine)
