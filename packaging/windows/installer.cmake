# Zentavoro-setup.exe, made with makensis (Debian's nsis package builds Windows installers).
find_program(ZENTAVORO_MAKENSIS makensis)
if(NOT ZENTAVORO_MAKENSIS)
  message(STATUS "makensis not found: no Zentavoro-setup.exe (install nsis)")
  return()
endif()

set(setup ${CMAKE_BINARY_DIR}/Zentavoro-setup.exe)
set(script ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer.nsi)
# makensis reads Windows paths; the build runs on Linux, where the separators may stay.
add_custom_command(OUTPUT ${setup}
  COMMAND ${ZENTAVORO_MAKENSIS} -V2 -NOCD
          -DVERSION=${PROJECT_VERSION}
          -DBIN_DIR=$<TARGET_FILE_DIR:Zentavoro>
          -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DOUTFILE=${setup}
          ${script}
  DEPENDS ${script} Zentavoro LlibreriaZentavoro
          ${PROJECT_SOURCE_DIR}/assets/zentavoro.txt ${PROJECT_SOURCE_DIR}/assets/pictures/zentavoro.ico
  COMMENT "Making Zentavoro-setup.exe"
  VERBATIM)
add_custom_target(installer-windows ALL DEPENDS ${setup})
