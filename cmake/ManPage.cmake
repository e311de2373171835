# Manual pages, written in scdoc and turned into compressed roff at build time.
#
# tarrowin_add_man_page(<name> <section> <source>) writes <name>.<section>.gz
# from the scdoc <source>, in which @PROJECT_VERSION@ stands for the version,
# and installs it under man/man<section> into the package's component
# (TARROWIN_PACKAGE_COMPONENT). The page's date is the moment that
# TARROWIN_SOURCE_DATE_EPOCH gives, when set, so that every build writes the
# same bytes; gzip leaves out the file's name and time for the same reason.

include(GNUInstallDirs)
find_program(TARROWIN_SCDOC scdoc REQUIRED)
find_program(TARROWIN_GZIP gzip REQUIRED)

function(tarrowin_add_man_page name section source)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${name}.${section})
  configure_file(${source} ${page}.scd @ONLY)
  set(date)
  if(TARROWIN_SOURCE_DATE_EPOCH)
    set(date SOURCE_DATE_EPOCH=${TARROWIN_SOURCE_DATE_EPOCH})
  endif()
  # scdoc reads the page on its standard input and writes it on its output.
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env ${date} sh -c "\"$0\" < \"$1\" > \"$2\"" ${TARROWIN_SCDOC} ${page}.scd ${page}
    COMMAND ${TARROWIN_GZIP} -9nf ${page}
    DEPENDS ${page}.scd
    COMMENT "Writing the manual page ${name}(${section})"
    VERBATIM)
  add_custom_target(man-${name}-${section} ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section}
    COMPONENT ${TARROWIN_PACKAGE_COMPONENT})
endfunction()
