# Runs tarrowin-cli once, in a fresh copy of the data folder so that messages
# name files as written and nothing is ever written into the sources, and
# compares its exit status, standard output and standard error with the
# case's files, byte for byte:
#   NAME.args     the arguments; @OUT@ stands for a fresh output path outside
#                 the copy
#   NAME.status   the exit status (default 0)
#   NAME.stdout   the whole standard output (default: nothing)
#   NAME.head     instead, what standard output starts with
#   NAME.stderr   the whole standard error (default: nothing)
#   NAME.output   what the file at @OUT@ must hold afterwards
#   NAME.written  the files the run must add to the copy, one per line, and
#                 no others (an empty file: it adds none)
#   NAME.pdf      a PDF the run wrote: on the first line where it is (a path
#                 in the copy, or "-" for standard output, which is then not
#                 compared), on each further line a text that pdftotext must
#                 find in it
# Every data file must be left as it was. Each run clears the display and the
# platform plugin: the tool needs neither.
cmake_minimum_required(VERSION 3.25)

foreach(variable CLI CASE DATA WORK PDFTOTEXT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "RunCli.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
set(copy "${WORK}/data")
file(MAKE_DIRECTORY "${copy}")
file(COPY "${DATA}/" DESTINATION "${copy}")
file(GLOB_RECURSE data_files LIST_DIRECTORIES false RELATIVE "${copy}" "${copy}/*")

set(out "${WORK}/out.csv")
file(READ "${CASE}.args" text)
string(REPLACE "@OUT@" "${out}" text "${text}")
separate_arguments(arguments UNIX_COMMAND "${text}")

# Standard output goes through a file, since a PDF there is not text.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          "${CLI}" ${arguments}
  WORKING_DIRECTORY "${copy}"
  OUTPUT_FILE "${WORK}/stdout"
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

# Moves the first line of the text in text_var, without its line feed, into
# line_var. Taken apart by hand: a CMake list would treat a bracket in a
# text as a quote.
function(take_first_line text_var line_var)
  string(FIND "${${text_var}}" "\n" end)
  if(end EQUAL -1)
    set(${line_var} "${${text_var}}" PARENT_SCOPE)
    set(${text_var} "" PARENT_SCOPE)
  else()
    string(SUBSTRING "${${text_var}}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${${text_var}}" ${end} -1 rest)
    set(${line_var} "${line}" PARENT_SCOPE)
    set(${text_var} "${rest}" PARENT_SCOPE)
  endif()
endfunction()

set(pdf_place "")
if(EXISTS "${CASE}.pdf")
  file(READ "${CASE}.pdf" wanted_texts)
  take_first_line(wanted_texts pdf_place)
endif()

set(failures "")
expected(status 0 expected_status)
string(STRIP "${expected_status}" expected_status)
if(NOT status STREQUAL expected_status)
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()
if(NOT pdf_place STREQUAL "-")
  file(READ "${WORK}/stdout" stdout)
  if(EXISTS "${CASE}.head")
    file(READ "${CASE}.head" head)
    string(FIND "${stdout}" "${head}" at)
    if(NOT at EQUAL 0)
      string(APPEND failures "standard output does not start with ${CASE}.head:\n${stdout}\n")
    endif()
  else()
    expected(stdout "" expected_stdout)
    if(NOT stdout STREQUAL expected_stdout)
      string(APPEND failures "standard output differs; it is in ${WORK}/stdout\n")
    endif()
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

foreach(file IN LISTS data_files)
  file(READ "${DATA}/${file}" before HEX)
  file(READ "${copy}/${file}" after HEX)
  if(NOT after STREQUAL before)
    string(APPEND failures "the run changed the data file ${file}\n")
  endif()
endforeach()
if(EXISTS "${CASE}.written")
  file(GLOB_RECURSE now LIST_DIRECTORIES false RELATIVE "${copy}" "${copy}/*")
  list(REMOVE_ITEM now ${data_files})
  list(SORT now)
  file(STRINGS "${CASE}.written" written ENCODING UTF-8)
  list(SORT written)
  if(NOT now STREQUAL written)
    string(APPEND failures "the run added the files [${now}], expected [${written}]\n")
  endif()
endif()

if(NOT pdf_place STREQUAL "")
  set(pdf "${copy}/${pdf_place}")
  if(pdf_place STREQUAL "-")
    set(pdf "${WORK}/stdout")
  endif()
  set(magic "")
  if(EXISTS "${pdf}")
    file(READ "${pdf}" magic LIMIT 5 HEX)
  endif()
  if(NOT magic STREQUAL "255044462d")  # %PDF-
    string(APPEND failures "${pdf} is not a PDF\n")
  else()
    execute_process(COMMAND "${PDFTOTEXT}" -enc UTF-8 "${pdf}" -
      OUTPUT_VARIABLE pdf_text RESULT_VARIABLE read_status)
    if(NOT read_status EQUAL 0)
      string(APPEND failures "pdftotext cannot read ${pdf}\n")
    endif()
    # One text per line.
    while(NOT wanted_texts STREQUAL "")
      take_first_line(wanted_texts wanted)
      string(FIND "${pdf_text}" "${wanted}" at)
      if(at EQUAL -1)
        string(APPEND failures "the PDF does not show \"${wanted}\"\n")
      endif()
    endwhile()
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${CASE}:\n${failures}")
endif()
