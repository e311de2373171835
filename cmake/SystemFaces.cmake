# What both of the program's faces are cut from: the system's faces, found
# through fontconfig, and a Python 3 with fontTools to cut them.

find_program(TARROWIN_FC_MATCH fc-match REQUIRED)

# Sets <out_file> and <out_index> to fontconfig's face of that exact family;
# fontconfig's nearest match of another family is an error.
function(tarrowin_system_face family out_file out_index)
  execute_process(
    COMMAND ${TARROWIN_FC_MATCH} -f "%{family[0]}\n%{file}\n%{index}" "${family}:style=Regular"
    OUTPUT_VARIABLE match RESULT_VARIABLE status)
  string(REPLACE "\n" ";" match "${match}")
  list(LENGTH match parts)
  if(status EQUAL 0 AND parts EQUAL 3)
    list(GET match 0 found)
  endif()
  if(NOT found STREQUAL family)
    message(FATAL_ERROR "fontconfig does not know ${family}: run scripts/setup.sh")
  endif()
  list(GET match 1 file)
  list(GET match 2 index)
  set(${out_file} "${file}" PARENT_SCOPE)
  set(${out_index} "${index}" PARENT_SCOPE)
endfunction()

# The first Python 3 that has fontTools with the parts both cutters use: one
# of one's own ahead on the PATH often lacks it while the system's has it.
function(tarrowin_fonttools_python out)
  find_package(Python3 COMPONENTS Interpreter QUIET)
  foreach(candidate ${Python3_EXECUTABLE} /usr/bin/python3)
    if(EXISTS "${candidate}")
      execute_process(
        COMMAND "${candidate}" -c "import fontTools.subset, fontTools.pens.cu2quPen, fontTools.ttLib.scaleUpem"
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
      if(status EQUAL 0)
        set(${out} "${candidate}" PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
  message(FATAL_ERROR "No Python 3 with fontTools: run scripts/setup.sh")
endfunction()
