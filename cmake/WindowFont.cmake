# The face the window carries is cut at build time from the system's
# Simplified Chinese face with half-width Latin (Noto Sans Mono CJK SC, in
# fonts-noto-cjk on Debian) by a fontTools script.
#
# tarrowin_find_font_python(<var>) finds a Python 3 that has fontTools;
# tarrowin_window_font(PYTHON <python> OUTPUT <file> SOURCES <file>...) adds
# the command that writes <file> from every non-ASCII character in the SOURCES.

set(TARROWIN_WINDOW_FONT_SOURCE "" CACHE FILEPATH
  "Font file holding Noto Sans Mono CJK SC (empty: ask fontconfig)")
set(TARROWIN_WINDOW_FONT_INDEX "" CACHE STRING
  "Index of Noto Sans Mono CJK SC in that file (empty: ask fontconfig)")

function(tarrowin_find_window_font_source out_file out_index)
  if(TARROWIN_WINDOW_FONT_SOURCE)
    set(file "${TARROWIN_WINDOW_FONT_SOURCE}")
    set(index "${TARROWIN_WINDOW_FONT_INDEX}")
    if(index STREQUAL "")
      set(index 0)
    endif()
  else()
    find_program(TARROWIN_FC_MATCH fc-match REQUIRED)
    execute_process(
      COMMAND ${TARROWIN_FC_MATCH} -f "%{file}\n%{index}" "Noto Sans Mono CJK SC:style=Regular"
      OUTPUT_VARIABLE match RESULT_VARIABLE status)
    string(REPLACE "\n" ";" match "${match}")
    list(LENGTH match parts)
    if(NOT status EQUAL 0 OR NOT parts EQUAL 2)
      message(FATAL_ERROR "fontconfig does not know Noto Sans Mono CJK SC: install fonts-noto-cjk")
    endif()
    list(GET match 0 file)
    list(GET match 1 index)
  endif()
  set(${out_file} "${file}" PARENT_SCOPE)
  set(${out_index} "${index}" PARENT_SCOPE)
endfunction()

# The first Python 3 that has fontTools: a Python of one's own ahead on the
# PATH often lacks it while the system's has it.
function(tarrowin_find_font_python out)
  find_package(Python3 COMPONENTS Interpreter QUIET)
  foreach(candidate ${Python3_EXECUTABLE} /usr/bin/python3)
    if(EXISTS "${candidate}")
      execute_process(COMMAND "${candidate}" -c "import fontTools.subset, fontTools.pens.cu2quPen"
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
      if(status EQUAL 0)
        set(${out} "${candidate}" PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
  message(FATAL_ERROR "No Python 3 with fontTools: install python3-fonttools")
endfunction()

function(tarrowin_window_font)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "PYTHON;OUTPUT" "SOURCES")
  tarrowin_find_window_font_source(font_file font_index)
  set(script ${PROJECT_SOURCE_DIR}/ui/qt/generate/make_window_font.py)
  add_custom_command(
    OUTPUT ${arg_OUTPUT}
    COMMAND ${arg_PYTHON} ${script} ${font_file} ${font_index} ${arg_OUTPUT} ${arg_SOURCES}
    DEPENDS ${script} ${font_file} ${arg_SOURCES}
    COMMENT "Cutting the window's face from ${font_file}"
    VERBATIM)
endfunction()
