# The folders of src/, from the bottom up. A folder may use itself and the
# folders before it in this list, never one after it. Each folder is a
# library of its own that links only the folders below it, and the test
# command checks every #include against this order (CheckLayers.cmake).
set(CLEARWIND_LAYERS platform records richtext web ui profile progress encourage health cravinglog moment journey advisors keeper app)

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
  foreach(source IN LISTS ARGN)
    set_property(GLOBAL APPEND PROPERTY CLEARWIND_LOGIC_SOURCES ${folder}/${source})
  endforeach()
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

# clearwind_record_layers(FILE): writes what the check of the layers needs to
# know of the libraries into FILE, once every folder is added: the sources of
# the logic libraries, and what each logic library links.
function(clearwind_record_layers file)
  get_property(logic_targets GLOBAL PROPERTY CLEARWIND_LOGIC_TARGETS)
  get_property(logic_sources GLOBAL PROPERTY CLEARWIND_LOGIC_SOURCES)
  set(links)
  foreach(target IN LISTS logic_targets)
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${target} ${property})
      foreach(library IN LISTS libraries)
        if(library)
          list(APPEND links "${target} links ${library}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  file(WRITE ${file} "set(CLEARWIND_LOGIC_SOURCES \"${logic_sources}\")\nset(CLEARWIND_LOGIC_LINKS \"${links}\")\n")
endfunction()
