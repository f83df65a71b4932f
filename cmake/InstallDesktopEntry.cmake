# Writes the desktop entry at install time, when the prefix is known, and
# lists it in install_manifest.txt like every other installed file. Exec names
# the launcher alone when it lies in /usr/bin, on every PATH, and by its full
# path otherwise (a per-user prefix need not be on the PATH the desktop has),
# quoted as the Desktop Entry rules want: inside double quotes, \ " ` $ are
# escaped, and a literal % is written twice.
# Set by the caller: CLEARWIND_DESKTOP_TEMPLATE, CLEARWIND_DESKTOP_DIR and
# CLEARWIND_LAUNCHER_DIR (both relative to the prefix).
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr" AND CLEARWIND_LAUNCHER_DIR STREQUAL "bin")
  set(LAUNCHER clearwind)
else()
  set(launcher "${CMAKE_INSTALL_PREFIX}/${CLEARWIND_LAUNCHER_DIR}/clearwind")
  string(REPLACE "\\" "\\\\\\\\" launcher "${launcher}")
  foreach(character "\"" "`" "$")
    string(REPLACE "${character}" "\\\\${character}" launcher "${launcher}")
  endforeach()
  string(REPLACE "%" "%%" launcher "${launcher}")
  set(LAUNCHER "\"${launcher}\"")
endif()

get_filename_component(name "${CLEARWIND_DESKTOP_TEMPLATE}" NAME_WLE)
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${CLEARWIND_DESKTOP_DIR}/${name}")
message(STATUS "Installing: ${entry}")
configure_file("${CLEARWIND_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
