# Checks that the program's layers hold:
#   cmake -DSOURCE_DIR=src -DLAYERS_FILE=build/layers.cmake -DQT_HEADERS=/usr/include/qt6 -P CheckLayers.cmake
# - A file in src/FOLDER includes headers of FOLDER and of the folders below
#   it in the order of Layers.cmake, and of no folder outside the layers.
# - A source of a logic library (clearwind_FOLDER) includes only headers of
#   logic libraries, and no header of Qt's widgets.
# - A logic library links no widgets: neither Qt's nor a library of panels.
# LAYERS_FILE is written by the configuration (clearwind_record_layers);
# without it, only the order of the folders is checked. Fails with every
# fault it finds.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(CLEARWIND_LOGIC_SOURCES)
set(CLEARWIND_LOGIC_LINKS)
if(LAYERS_FILE)
  include(${LAYERS_FILE})
endif()
# Qt's modules of widgets, whose headers the logic never includes.
set(widget_modules QtWidgets QtPrintSupport QtCharts QtOpenGLWidgets QtSvgWidgets)
set(widget_libraries "Qt6::Widgets|Qt6::PrintSupport|Qt6::Charts|Qt6::OpenGLWidgets|Qt6::SvgWidgets|clearwind_[a-z]+_panels|clearwind_widgets")

# Whether an #include <...> names a header of Qt's widgets.
function(is_widget_header header result)
  set(found FALSE)
  foreach(module IN LISTS widget_modules)
    if(header MATCHES "^${module}/" OR (QT_HEADERS AND EXISTS "${QT_HEADERS}/${module}/${header}"))
      set(found TRUE)
    endif()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

set(faults)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  list(FIND CLEARWIND_LAYERS ${folder} position)
  if(position LESS 0)
    list(APPEND faults "${source}: the folder ${folder} is not one of the layers")
    continue()
  endif()
  list(FIND CLEARWIND_LOGIC_SOURCES ${source} logic)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "^[^\"<]*<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      if(logic GREATER_EQUAL 0)
        is_widget_header("${header}" widget)
        if(widget)
          list(APPEND faults "${source}: the logic includes <${header}>, one of Qt's widgets")
        endif()
      endif()
      continue()
    endif()
    if(NOT line MATCHES "^[^\"]*\"(([^\"/]+)/[^\"]+)\"")
      continue()
    endif()
    set(header "${CMAKE_MATCH_1}")
    set(used "${CMAKE_MATCH_2}")
    list(FIND CLEARWIND_LAYERS ${used} used_position)
    list(FIND CLEARWIND_LOGIC_SOURCES ${header} used_logic)
    if(used_position LESS 0)
      list(APPEND faults "${source}: includes ${used}/, which is not one of the layers")
    elseif(used_position GREATER position)
      list(APPEND faults "${source}: ${folder}/ includes ${used}/, which lies above it")
    elseif(logic GREATER_EQUAL 0 AND used_logic LESS 0)
      list(APPEND faults "${source}: the logic includes ${header}, which is not in a logic library")
    endif()
  endforeach()
endforeach()

foreach(link IN LISTS CLEARWIND_LOGIC_LINKS)
  if(link MATCHES "^([^ ]+) links .*(${widget_libraries})")
    list(APPEND faults "${CMAKE_MATCH_1}: the logic links ${CMAKE_MATCH_2}, which is widgets")
  endif()
endforeach()

list(REMOVE_DUPLICATES faults)
if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "The layers (${CLEARWIND_LAYERS}) do not hold:\n  ${listed}")
endif()
list(LENGTH sources checked)
list(LENGTH CLEARWIND_LOGIC_SOURCES logic_checked)
message(STATUS "Every include of ${checked} files runs downwards, and ${logic_checked} files of the logic include and link no widgets")
