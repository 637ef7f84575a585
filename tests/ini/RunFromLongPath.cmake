# Runs a copy of a test program from a folder path longer than 261
# characters, so that the program-path helper has to grow its buffer.
# Wine's CreateProcessW refuses such paths, so the copy is started by the
# loader (the emulator) from here instead of by the test program itself.
#   -DPROGRAM=<test exe> -DWORK=<scratch folder> -DFILTER=<gtest filter>
#   -DEMULATOR=<runner, empty on Windows>
string(REPEAT "a" 100 level1)
string(REPEAT "b" 100 level2)
string(REPEAT "c" 100 level3)
set(dir "${WORK}/${level1}/${level2}/${level3}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${dir}")
file(COPY "${PROGRAM}" DESTINATION "${dir}")
get_filename_component(name "${PROGRAM}" NAME)
execute_process(COMMAND ${EMULATOR} "${dir}/${name}" "--gtest_filter=${FILTER}" --gtest_color=no
                RESULT_VARIABLE rc)
file(REMOVE_RECURSE "${WORK}")
if(NOT rc STREQUAL "0")
  message(FATAL_ERROR "the copy run from the long path failed: ${rc}")
endif()
