# The files of the data folder that are the user's own, read from the one
# place that names them: the program's table of the data folder
# (src/records/datafiles.cpp), its rows of the owner User. data/ may hold a
# first version of some; the build copies it beside the program only when none
# is there yet, and an install never puts it under the prefix, where the
# user's own files do not live (and where, for a per-user install into
# ~/.local, they would be overwritten).
set(CLEARWIND_DATA_TABLE ${CMAKE_CURRENT_LIST_DIR}/../src/records/datafiles.cpp)
file(STRINGS ${CLEARWIND_DATA_TABLE} user_rows REGEX "^ *{[A-Za-z]+, *\"[^\"]+\", *User},")
set(CLEARWIND_USER_FILES)
foreach(row IN LISTS user_rows)
  string(REGEX REPLACE "^ *{[A-Za-z]+, *\"([^\"]+)\".*$" "\\1" file "${row}")
  list(APPEND CLEARWIND_USER_FILES ${file})
endforeach()
if(NOT CLEARWIND_USER_FILES)
  message(FATAL_ERROR "No file of the user's found in ${CLEARWIND_DATA_TABLE}")
endif()
