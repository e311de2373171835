# Runs tarrowin-cli once, in the data folder so that messages name files as
# written, and compares its exit status, standard output and standard error
# with the case's files, byte for byte:
#   NAME.args     the arguments; @OUT@ stands for a fresh output path
#   NAME.status   the exit status (default 0)
#   NAME.stdout   the whole standard output (default: nothing)
#   NAME.head     instead, what standard output starts with
#   NAME.stderr   the whole standard error (default: nothing)
#   NAME.output   what the file at @OUT@ must hold afterwards
# Each run clears the display and the platform plugin: the tool needs neither.
cmake_minimum_required(VERSION 3.25)

foreach(variable CLI CASE DATA WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "RunCli.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(out "${WORK}/out.csv")
file(READ "${CASE}.args" text)
string(REPLACE "@OUT@" "${out}" text "${text}")
separate_arguments(arguments UNIX_COMMAND "${text}")

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          "${CLI}" ${arguments}
  WORKING_DIRECTORY "${DATA}"
  OUTPUT_VARIABLE stdout
  ERROR_VARIABLE stderr
  RESULT_VARIABLE status)

function(expected what default result)
  if(EXISTS "${CASE}.${what}")
    file(READ "${CASE}.${what}" content)
  else()
    set(content "${default}")
  endif()
  set(${result} "${content}" PARENT_SCOPE)
endfunction()

set(failures "")
expected(status 0 expected_status)
string(STRIP "${expected_status}" expected_status)
if(NOT status STREQUAL expected_status)
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()
if(EXISTS "${CASE}.head")
  file(READ "${CASE}.head" head)
  string(FIND "${stdout}" "${head}" at)
  if(NOT at EQUAL 0)
    string(APPEND failures "standard output does not start with ${CASE}.head:\n${stdout}\n")
  endif()
else()
  expected(stdout "" expected_stdout)
  if(NOT stdout STREQUAL expected_stdout)
    file(WRITE "${WORK}/stdout" "${stdout}")
    string(APPEND failures "standard output differs; it is in ${WORK}/stdout\n")
  endif()
endif()
expected(stderr "" expected_stderr)
if(NOT stderr STREQUAL expected_stderr)
  string(APPEND failures "standard error differs:\n${stderr}\n")
endif()
if(EXISTS "${CASE}.output")
  file(READ "${CASE}.output" expected_output HEX)
  file(READ "${out}" output HEX)
  if(NOT output STREQUAL expected_output)
    string(APPEND failures "${out} differs from ${CASE}.output\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${CASE}:\n${failures}")
endif()
