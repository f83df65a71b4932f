# The folders of src/, from the bottom up. A folder may use itself and the
# folders before it in this list, never one after it. Each folder is a
# library of its own that links only the folders below it, and the test
# command checks every #include against this order (CheckLayers.cmake).
set(CLEARWIND_LAYERS platform records richtext web ui profile progress encourage health journey advisors app)

# The folders before FOLDER, into the variable named by RESULT.
function(clearwind_layers_below folder result)
  list(FIND CLEARWIND_LAYERS ${folder} position)
  if(position LESS 0)
    message(FATAL_ERROR "${folder} is not one of the layers: ${CLEARWIND_LAYERS}")
  endif()
  list(SUBLIST CLEARWIND_LAYERS 0 ${position} below)
  set(${result} ${below} PARENT_SCOPE)
endfunction()

# clearwind_logic(FOLDER SOURCES...): the folder's logic, clearwind_FOLDER.
# QtCore and QtGui only: no widget in sight.
function(clearwind_logic folder)
  set(target clearwind_${folder})
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC Qt6::Core Qt6::Gui)
  clearwind_layers_below(${folder} below)
  foreach(lower IN LISTS below)
    if(TARGET clearwind_${lower})
      target_link_libraries(${target} PUBLIC clearwind_${lower})
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY CLEARWIND_LOGIC_TARGETS ${target})
endfunction()

# clearwind_panels(FOLDER SOURCES...): the folder's widgets,
# clearwind_FOLDER_panels, on its own logic and everything below it.
function(clearwind_panels folder)
  set(target clearwind_${folder}_panels)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
  clearwind_layers_below(${folder} below)
  foreach(layer IN LISTS below folder)
    foreach(candidate clearwind_${layer} clearwind_${layer}_panels)
      if(TARGET ${candidate} AND NOT candidate STREQUAL target)
        target_link_libraries(${target} PUBLIC ${candidate})
      endif()
    endforeach()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY CLEARWIND_PANEL_TARGETS ${target})
endfunction()
