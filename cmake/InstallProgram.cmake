# Installs the program folder (the program with its data folder beside it)
# under a prefix the user can write, with a launcher on the PATH, the desktop
# entry, the AppStream metainfo and the icon. The user's own files in the
# data folder are never overwritten. Run by `cmake --install`.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(program_folder "${root}/lib/clearwind")

file(INSTALL "${BUILD_DIR}/Clearwind" DESTINATION "${program_folder}" USE_SOURCE_PERMISSIONS)

# The shipped data folder, then the advice documents the build wrote.
execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE_DIR=${SOURCE_DIR}/data -DTARGET_DIR=${program_folder}/data
                        -P "${SOURCE_DIR}/cmake/CopyData.cmake" COMMAND_ERROR_IS_FATAL ANY)
foreach(document IN LISTS ADVICE_DOCUMENTS)
  get_filename_component(folder "${program_folder}/data/${document}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${BUILD_DIR}/data/${document}" "${program_folder}/data/${document}" ONLY_IF_DIFFERENT)
endforeach()

file(MAKE_DIRECTORY "${root}/bin")
file(CREATE_LINK "../lib/clearwind/Clearwind" "${root}/bin/clearwind" SYMBOLIC)

# The desktop entry starts the installed program by its full path, quoted as
# the Desktop Entry rules want: inside double quotes, \ " ` $ are escaped,
# and a literal % is written twice.
set(launcher "${CMAKE_INSTALL_PREFIX}/bin/clearwind")
string(REPLACE "\\" "\\\\\\\\" launcher "${launcher}")
foreach(character "\"" "`" "$")
  string(REPLACE "${character}" "\\\\${character}" launcher "${launcher}")
endforeach()
string(REPLACE "%" "%%" launcher "${launcher}")
set(LAUNCHER "\"${launcher}\"")
configure_file("${SOURCE_DIR}/desktop/${APP_ID}.desktop.in" "${root}/share/applications/${APP_ID}.desktop" @ONLY)
file(INSTALL "${SOURCE_DIR}/desktop/${APP_ID}.metainfo.xml" DESTINATION "${root}/share/metainfo")
file(INSTALL "${SOURCE_DIR}/src/ui/pictures/smiley.svg" DESTINATION "${root}/share/icons/hicolor/scalable/apps"
     RENAME "${APP_ID}.svg")
message(STATUS "Installed Clearwind in ${program_folder}")
