# Runs one scenario through the driver and compares its standard output, exit
# status and standard error with the expected ones, byte for byte, and the
# files it leaves with the ones listed.
#   DRIVER    the tarrowin-driver executable
#   SCENARIO  the scenario's path without extension
#   ACTUAL    where to leave what the driver printed when it differs
# The driver runs in a fresh folder, ACTUAL.work, which holds a copy of the
# files in the data/ folder beside the scenario, if there is one. Its path
# reads @WORK@ in what the driver prints.
cmake_minimum_required(VERSION 3.25)

foreach(variable DRIVER SCENARIO ACTUAL)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "RunScenario.cmake needs -D${variable}=...")
  endif()
endforeach()

set(arguments "")
if(EXISTS "${SCENARIO}.args")
  file(READ "${SCENARIO}.args" text)
  separate_arguments(arguments UNIX_COMMAND "${text}")
endif()
set(expected_status 0)
if(EXISTS "${SCENARIO}.status")
  file(READ "${SCENARIO}.status" expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
set(expected_stderr "")
if(EXISTS "${SCENARIO}.stderr")
  file(READ "${SCENARIO}.stderr" expected_stderr)
endif()
set(expected_stdout "")
if(EXISTS "${SCENARIO}.expected")
  file(READ "${SCENARIO}.expected" expected_stdout)
endif()

set(work "${ACTUAL}.work")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
get_filename_component(folder "${SCENARIO}" DIRECTORY)
if(IS_DIRECTORY "${folder}/data")
  file(COPY "${folder}/data/" DESTINATION "${work}")
endif()
file(REAL_PATH "${work}" work)

# The classic locale makes the time stamp's date and time reproducible, and
# the system's words on a file that cannot be read or written English. A
# report draws offscreen.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANG=C QT_QPA_PLATFORM=offscreen "${DRIVER}" ${arguments}
  INPUT_FILE "${SCENARIO}.script"
  WORKING_DIRECTORY "${work}"
  OUTPUT_VARIABLE stdout
  ERROR_VARIABLE stderr
  RESULT_VARIABLE status)
string(REPLACE "${work}" "@WORK@" stdout "${stdout}")

set(failures "")
if(NOT status STREQUAL expected_status)
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()

# Shows a difference as a unified diff, leaving the actual text beside the build.
function(compare what actual expected expected_file)
  if(actual STREQUAL expected)
    return()
  endif()
  get_filename_component(directory "${ACTUAL}" DIRECTORY)
  file(MAKE_DIRECTORY "${directory}")
  file(WRITE "${ACTUAL}.${what}" "${actual}")
  if(NOT EXISTS "${expected_file}")
    file(WRITE "${ACTUAL}.expected-${what}" "${expected}")
    set(expected_file "${ACTUAL}.expected-${what}")
  endif()
  execute_process(COMMAND diff -u "${expected_file}" "${ACTUAL}.${what}" OUTPUT_VARIABLE difference)
  set(failures "${failures}${what} differs:\n${difference}\n" PARENT_SCOPE)
endfunction()

compare(stdout "${stdout}" "${expected_stdout}" "${SCENARIO}.expected")
compare(stderr "${stderr}" "${expected_stderr}" "${SCENARIO}.stderr")

# NAME.files: every file in the folder afterwards, one a line, sorted.
if(EXISTS "${SCENARIO}.files")
  file(GLOB_RECURSE left LIST_DIRECTORIES false RELATIVE "${work}" "${work}/*")
  list(SORT left)
  list(JOIN left "\n" left)
  file(READ "${SCENARIO}.files" expected_files)
  compare(files "${left}\n" "${expected_files}" "${SCENARIO}.files")
endif()

if(failures)
  # Printed as it is; a fatal error's message would be reflowed.
  message("${SCENARIO}.script:\n${failures}")
  message(FATAL_ERROR "the scenario's output differs from the expected")
endif()
