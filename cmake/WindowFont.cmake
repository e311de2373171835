# The face the window carries is cut at build time from the system's
# Simplified Chinese face with half-width Latin (Noto Sans Mono CJK SC, in
# fonts-noto-cjk on Debian) by a fontTools script.
#
# tarrowin_window_font(PYTHON <python> OUTPUT <file> SOURCES <file>...) adds
# the command that writes <file> from every non-ASCII character in the SOURCES.

set(TARROWIN_WINDOW_FONT_SOURCE "" CACHE FILEPATH
  "Font file holding Noto Sans Mono CJK SC (empty: ask fontconfig)")
set(TARROWIN_WINDOW_FONT_INDEX "" CACHE STRING
  "Index of Noto Sans Mono CJK SC in that file (empty: ask fontconfig)")

include(${CMAKE_CURRENT_LIST_DIR}/SystemFaces.cmake)

function(tarrowin_find_window_font_source out_file out_index)
  if(TARROWIN_WINDOW_FONT_SOURCE)
    set(file "${TARROWIN_WINDOW_FONT_SOURCE}")
    set(index "${TARROWIN_WINDOW_FONT_INDEX}")
    if(index STREQUAL "")
      set(index 0)
    endif()
  else()
    tarrowin_system_face("Noto Sans Mono CJK SC" file index)
  endif()
  set(${out_file} "${file}" PARENT_SCOPE)
  set(${out_index} "${index}" PARENT_SCOPE)
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
