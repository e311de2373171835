# Language level, warnings and the floating-point rules every target shares.
# Results must be IEEE doubles rounded once per operation in the order written,
# so fused multiply-add and fast-math are ruled out everywhere.
add_library(tarrowin_options INTERFACE)
target_compile_features(tarrowin_options INTERFACE cxx_std_20)
if(MSVC)
  target_compile_options(tarrowin_options INTERFACE /W4 /utf-8 /fp:precise)
else()
  target_compile_options(tarrowin_options INTERFACE
    -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
endif()

# A checked build: for example "address,undefined", with "fuzzer-no-link" added
# for the fuzz targets' coverage. Any report stops the program, so a test run
# cannot pass over one.
set(TARROWIN_SANITIZE "" CACHE STRING "Sanitizers for every target, comma-separated (empty: none)")
if(TARROWIN_SANITIZE)
  target_compile_options(tarrowin_options INTERFACE
    -fsanitize=${TARROWIN_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tarrowin_options INTERFACE -fsanitize=${TARROWIN_SANITIZE})
endif()

# tarrowin_expose_headers(<target> <folder>) lets the target and whatever
# links it include the folder's headers as "<folder>/Name.h", and nothing
# else of the source tree: each library sees only the headers of what it
# links, so an include against the direction of the layers fails to build.
function(tarrowin_expose_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
