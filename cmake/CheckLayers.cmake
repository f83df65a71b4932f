# Checks that every #include of the program's own headers runs downwards:
#   cmake -DSOURCE_DIR=src -P CheckLayers.cmake
# A file in src/FOLDER may include headers of FOLDER and of the folders
# below it in the order of Layers.cmake. Fails with every include that runs
# the wrong way, or that names a folder outside the layers.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(faults)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  list(FIND CLEARWIND_LAYERS ${folder} position)
  if(position LESS 0)
    list(APPEND faults "${source}: the folder ${folder} is not one of the layers")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" used "${line}")
    list(FIND CLEARWIND_LAYERS ${used} used_position)
    if(used_position LESS 0)
      list(APPEND faults "${source}: includes ${used}/, which is not one of the layers")
    elseif(used_position GREATER position)
      list(APPEND faults "${source}: ${folder}/ includes ${used}/, which lies above it")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "Includes that run against the layers (${CLEARWIND_LAYERS}):\n  ${listed}")
endif()
list(LENGTH sources checked)
message(STATUS "Every include of ${checked} files runs downwards")
