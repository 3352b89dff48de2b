# Fails when a translation file is behind its sources: lupdate, run over the sources into a copy of the
# file, must leave the copy as it is. A text added to the code without a translation, or one that left
# the code, shows as a difference.
# Variables: LUPDATE, PROJECT (the lupdate project .cmake written at configure time), GENERATOR
# (Qt's GenerateLUpdateProject.cmake), TS (the .ts file), WORK (a scratch folder), OPTIONS (lupdate
# options separated by "|").
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${CMAKE_COMMAND}" -DIN_FILE=${PROJECT} -DOUT_FILE=${WORK}/project.json -P "${GENERATOR}"
                RESULT_VARIABLE generated)
if(NOT generated EQUAL 0)
    message(FATAL_ERROR "cannot write the lupdate project")
endif()
get_filename_component(name "${TS}" NAME)
configure_file("${TS}" "${WORK}/${name}" COPYONLY)
string(REPLACE "|" ";" options "${OPTIONS}")
execute_process(COMMAND "${LUPDATE}" -silent -project "${WORK}/project.json" ${options} -ts "${WORK}/${name}"
                RESULT_VARIABLE updated)
if(NOT updated EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
endif()
file(READ "${TS}" before)
file(READ "${WORK}/${name}" after)
if(NOT before STREQUAL after)
    execute_process(COMMAND diff -u "${TS}" "${WORK}/${name}")
    message(FATAL_ERROR "${TS} is behind the sources: build the target update_translations and translate "
                        "the new texts")
endif()
string(FIND "${after}" "type=\"unfinished\"" unfinished)
if(NOT unfinished EQUAL -1)
    message(FATAL_ERROR "${TS} has texts without a translation")
endif()
