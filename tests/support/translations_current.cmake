# Every text the sources mark for translation is in the shipped files, translated: lupdate is
# run over each domain's sources into copies of its .ts files (the shipped files stay as they
# are), and the copies must then be whole. A text added to the code without its translations
# fails here, as it would leave that text English in every other language.
#
#   cmake -DPROJECTS=<folder of lupdate's project files> -DSOURCE_DIR=<repository>
#         -DWORK=<scratch folder> -DLUPDATE=<lupdate> -DGENERATOR=<GenerateLUpdateProject.cmake>
#         -DPYTHON=<python3> -DCHECK=<translations_complete.py> -P translations_current.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB projects ${PROJECTS}/starloom_translations_*_project.cmake)
if(NOT projects)
    message(FATAL_ERROR "No lupdate project files under ${PROJECTS}")
endif()
set(copies "")
foreach(project IN LISTS projects)
    string(REGEX REPLACE ".*/starloom_translations_(.*)_project\\.cmake$" "\\1" domain ${project})
    execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${project} -DOUT_FILE=${WORK}/${domain}.json
                            -P ${GENERATOR} COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB shipped ${SOURCE_DIR}/translations/${domain}_*.ts)
    file(COPY ${shipped} DESTINATION ${WORK})
    file(GLOB domain_copies ${WORK}/${domain}_*.ts)
    execute_process(COMMAND ${LUPDATE} -silent -project ${WORK}/${domain}.json -locations none
                            -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=STARLOOM_TEXT_NOOP
                            -ts ${domain_copies}
                    OUTPUT_QUIET ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND copies ${domain_copies})
endforeach()
execute_process(COMMAND ${PYTHON} ${CHECK} ${copies} RESULT_VARIABLE faults)
if(NOT faults EQUAL 0)
    message(FATAL_ERROR "Texts in the sources are missing from the translations: run the "
                        "lupdate target and translate them.")
endif()
