# Types (or picks) a megabyte of text into one field, calculates, dumps, and
# compares the driver's output with the template it must match.
#   DRIVER     the tarrowin-driver executable
#   ACTION     type or pick
#   FIELD      the field typed into (Combo1 for pick)
#   KIND       junk or digits
#   FAULT      what an overflow at reading names, for digits in a read field
#   TEMPLATES  folder of the dumps at start and after the worked example
#   WORK       where to leave the script and the output when they differ
cmake_minimum_required(VERSION 3.25)

file(READ "${TEMPLATES}/at-start.dump" at_start)
file(READ "${TEMPLATES}/worked-example.dump" worked_example)
string(REGEX MATCH "field\t${FIELD}\t[^\n]*\n" start_line "${at_start}")
string(REGEX REPLACE "^field\t${FIELD}\t(.*)\n$" "\\1" start_value "${start_line}")

if(KIND STREQUAL "junk")
  # 18 bytes a round once \t is unescaped; 58255 rounds make a megabyte.
  string(REPEAT "梯梁😀\\t段 ,Ab" 58255 junk)
  set(text "${start_value}kN${junk}")
else()
  string(REPEAT "9" 1048576 text)
endif()

set(script "${WORK}.script")
file(WRITE "${script}" "${ACTION} ${FIELD} ${text}\nclick Command1\ndump\n")
if(ACTION STREQUAL "pick")
  file(WRITE "${script}" "pick ${text}\nclick Command1\ndump\n")
endif()

# The dump prints texts with the same escapes the script uses, so the field's
# line holds the megabyte exactly as it was typed.
if(KIND STREQUAL "digits" AND NOT FIELD STREQUAL "Combo1")
  set(expected "fault\toverflow\t${FAULT}\n${at_start}")
else()
  set(expected "${worked_example}")
endif()
string(REPLACE "${start_line}" "field\t${FIELD}\t${text}\n" expected "${expected}")

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANG=C "${DRIVER}"
  INPUT_FILE "${script}"
  OUTPUT_VARIABLE stdout
  ERROR_VARIABLE stderr
  RESULT_VARIABLE status)

if(NOT status EQUAL 0 OR NOT stderr STREQUAL "" OR NOT stdout STREQUAL expected)
  file(WRITE "${WORK}.stdout" "${stdout}")
  file(WRITE "${WORK}.expected" "${expected}")
  string(LENGTH "${stdout}" got)
  string(LENGTH "${expected}" wanted)
  message(FATAL_ERROR "exit status ${status}, ${got} bytes printed where ${wanted} were expected; "
                      "standard error: ${stderr}\nsee ${WORK}.stdout and ${WORK}.expected")
endif()
