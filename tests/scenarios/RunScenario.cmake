# Runs one scenario through the driver and compares its standard output, exit
# status and standard error with the expected ones, byte for byte.
#   DRIVER    the tarrowin-driver executable
#   SCENARIO  the scenario's path without extension
#   ACTUAL    where to leave what the driver printed when it differs
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

# The classic locale makes the time stamp's date and time reproducible.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANG=C "${DRIVER}" ${arguments}
  INPUT_FILE "${SCENARIO}.script"
  OUTPUT_VARIABLE stdout
  ERROR_VARIABLE stderr
  RESULT_VARIABLE status)

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

if(failures)
  # Printed as it is; a fatal error's message would be reflowed.
  message("${SCENARIO}.script:\n${failures}")
  message(FATAL_ERROR "the scenario's output differs from the expected")
endif()
