# Plays one end-to-end case with the real voprof program, in a fresh work
# folder, and compares what it did with the files next to the script, exactly:
#   NAME.mac          the script (copied into the work folder, where it runs)
#   NAME.args         voprof's arguments, one per line, @SCRIPT@ for the script's
#                     file name (missing: run @SCRIPT@)
#   NAME.stdout, NAME.stderr, NAME.status   expected output (missing: empty) and exit status (missing: 0)
#   NAME.file.OUTPUT  the expected contents of the file OUTPUT the run wrote
#   NAME.in.INPUT     copied into the work folder as INPUT before the run
#   NAME.replay       the scene for playing the recorded macro back (see below)
# The run sees VO_MODULE naming the test module, VO_PROGRESS=0 (a slow run shows
# no progress lines), XDG_CONFIG_HOME and HOME in the work folder, and
# SOURCE_DATE_EPOCH=0 so saved files carry a fixed stamp. A differing output is
# kept there (actual.stdout, actual.stderr).
#   cmake -DVOPROF=... -DMODULE=... -DCASE=.../NAME.mac -DWORK=... -P run_case.cmake
get_filename_component(name "${CASE}" NAME_WE)
get_filename_component(base "${CASE}" DIRECTORY)
set(base "${base}/${name}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${CASE}" DESTINATION "${WORK}")
# Inputs a case starts with: NAME.in.FILE is copied into the folder as FILE.
file(GLOB inputs "${base}.in.*")
foreach(input IN LISTS inputs)
  string(REPLACE "${base}.in." "" target "${input}")
  configure_file("${input}" "${WORK}/${target}" COPYONLY)
endforeach()

set(arguments run "${name}.mac")
if(EXISTS "${base}.args")
  file(STRINGS "${base}.args" arguments)
  list(TRANSFORM arguments REPLACE "@SCRIPT@" "${name}.mac")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=VO_TEST_MODULE_LOG "VO_MODULE=${MODULE}" VO_PROGRESS=0
          "XDG_CONFIG_HOME=${WORK}/config" "HOME=${WORK}" SOURCE_DATE_EPOCH=0 -- "${VOPROF}" ${arguments}
  WORKING_DIRECTORY "${WORK}" OUTPUT_VARIABLE actual_stdout ERROR_VARIABLE actual_stderr
  RESULT_VARIABLE actual_status)

set(failed FALSE)
foreach(stream stdout stderr)
  set(expected "")
  if(EXISTS "${base}.${stream}")
    file(READ "${base}.${stream}" expected)
  endif()
  if(NOT actual_${stream} STREQUAL expected)
    file(WRITE "${WORK}/actual.${stream}" "${actual_${stream}}")
    message(SEND_ERROR "${name}: ${stream} differs (see ${WORK}/actual.${stream})\n"
                       "--- expected\n${expected}--- actual\n${actual_${stream}}---")
    set(failed TRUE)
  endif()
endforeach()

set(expected_status 0)
if(EXISTS "${base}.status")
  file(STRINGS "${base}.status" expected_status LIMIT_COUNT 1)
endif()
if(NOT actual_status STREQUAL expected_status)
  message(SEND_ERROR "${name}: exit status ${actual_status}, expected ${expected_status}")
  set(failed TRUE)
endif()

file(GLOB expected_files "${base}.file.*")
# Compares the files a run wrote into `folder` with the expected ones.
function(compare_files folder expected_files)
  foreach(expected_file IN LISTS expected_files)
    string(REPLACE "${base}.file." "" output "${expected_file}")
    set(actual "")
    if(EXISTS "${folder}/${output}")
      file(READ "${folder}/${output}" actual HEX)
    endif()
    file(READ "${expected_file}" expected HEX)
    if(NOT EXISTS "${folder}/${output}" OR NOT actual STREQUAL expected)
      message(SEND_ERROR "${name}: ${folder}/${output} is missing or differs from ${expected_file}")
      set(failed TRUE PARENT_SCOPE)
    endif()
  endforeach()
endfunction()
compare_files("${WORK}" "${expected_files}")

# NAME.replay: the statements that set the scene (images, the line) before
# the recorded macro (--record recorded.txt) is played back in a fresh folder;
# the data files (*.hst) it writes must equal the first run's.
if(EXISTS "${base}.replay" AND EXISTS "${WORK}/recorded.txt")
  set(replay "${WORK}/replay")
  file(MAKE_DIRECTORY "${replay}")
  file(READ "${base}.replay" scene)
  file(READ "${WORK}/recorded.txt" recorded)
  file(WRITE "${replay}/replay.mac" "${scene}${recorded}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "VO_MODULE=${MODULE}" VO_PROGRESS=0 "XDG_CONFIG_HOME=${replay}/config"
            "HOME=${replay}" SOURCE_DATE_EPOCH=0 -- "${VOPROF}" run replay.mac
    WORKING_DIRECTORY "${replay}" RESULT_VARIABLE replay_status ERROR_VARIABLE replay_stderr)
  if(NOT replay_status STREQUAL 0)
    message(SEND_ERROR "${name}: the recorded macro played back with status ${replay_status}: ${replay_stderr}")
    set(failed TRUE)
  endif()
  file(GLOB expected_data "${base}.file.*.hst")
  compare_files("${replay}" "${expected_data}")
endif()
if(failed)
  message(FATAL_ERROR "${name}: failed")
endif()
