# Copies the shipped data folder beside the program. The user's own files are
# never overwritten once they exist, and nothing is ever deleted.
include(${CMAKE_CURRENT_LIST_DIR}/UserFiles.cmake)

file(GLOB_RECURSE shipped RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(relative IN LISTS shipped)
  set(target "${TARGET_DIR}/${relative}")
  list(FIND CLEARWIND_USER_FILES "${relative}" owned)
  if(NOT owned EQUAL -1 AND EXISTS "${target}")
    continue()
  endif()
  get_filename_component(folder "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE_DIR}/${relative}" "${target}" ONLY_IF_DIFFERENT)
endforeach()
