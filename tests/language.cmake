# The program's languages: the choice of language and what it must leave alone.
starloom_add_test(test_language LABEL files SOURCES test_language.cpp test_cli_support.h
                  LIBS starloom_cli)
target_compile_definitions(test_language PRIVATE ${cli_test_definitions})
add_dependencies(test_language starloom-cli)

# The astrological words and interpretation texts: English the engine's own, translations
# whole.
starloom_add_test(test_chart_words LABEL files SOURCES test_chart_words.cpp
                  LIBS starloom_chart_words starloom_shell_core)

# The layout test's pseudo-translation: every text 40% longer and accented, made from the
# German files' source texts (every domain) by tools/pseudo_translation, compiled by lrelease.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB german_ts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*_de.ts)
set(pseudo_ts ${CMAKE_CURRENT_BINARY_DIR}/starloom_pseudo.ts)
set(pseudo_qm ${CMAKE_CURRENT_BINARY_DIR}/starloom_pseudo.qm)
add_custom_command(
    OUTPUT ${pseudo_qm}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/pseudo_translation/pseudo_translate.py
            ${pseudo_ts} ${german_ts}
    COMMAND Qt6::lrelease -silent ${pseudo_ts} -qm ${pseudo_qm}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/pseudo_translation/pseudo_translate.py
            ${german_ts}
    VERBATIM)
add_custom_target(starloom_pseudo_translation DEPENDS ${pseudo_qm})
starloom_add_test(test_language_layout LABEL gui SERIAL
                  SOURCES test_language_layout.cpp support/scripted_services.h
                  LIBS starloom_reading_gui)
target_compile_definitions(test_language_layout PRIVATE STARLOOM_PSEUDO_QM="${pseudo_qm}")
add_dependencies(test_language_layout starloom_pseudo_translation)

# Every shipped language is whole: no message unfinished, none losing a placeholder, a line
# break or a mnemonic of its source.
file(GLOB shipped_ts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
add_test(NAME test_translations_complete
         COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/support/translations_complete.py
                 ${shipped_ts})
set_tests_properties(test_translations_complete PROPERTIES LABELS files)

# The same for the chart window with its report, the second chart and the aspect orbs dialog.
starloom_add_test(test_language_layout_windows LABEL gui SERIAL
                  SOURCES test_language_layout_windows.cpp support/scripted_services.h
                          support/sample_form.h
                  LIBS starloom_reading_gui)
target_compile_definitions(test_language_layout_windows PRIVATE
                           STARLOOM_PSEUDO_QM="${pseudo_qm}")
add_dependencies(test_language_layout_windows starloom_pseudo_translation)

# ... and the shipped files hold every text the sources mark: lupdate over copies of them
# finds nothing new to translate.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
add_test(NAME test_translations_current
         COMMAND ${CMAKE_COMMAND} -DPROJECTS=${PROJECT_BINARY_DIR}/shell/core/.lupdate
                 -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/translations_current
                 -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
                 -DGENERATOR=${_Qt6_LINGUIST_TOOLS_DIR}/GenerateLUpdateProject.cmake
                 -DPYTHON=$<TARGET_FILE:Python3::Interpreter>
                 -DCHECK=${CMAKE_CURRENT_SOURCE_DIR}/support/translations_complete.py
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/support/translations_current.cmake)
set_tests_properties(test_translations_current PROPERTIES LABELS files)
