# Helpers that declare Kolibra's libraries and keep the logic/window boundary honest:
# a logic library may link Qt Core and Gui (QPainter on a QImage works headless) but
# never Qt Widgets, directly or through another library.

set_property(GLOBAL PROPERTY KOLIBRA_LOGIC_LIBRARIES "")

function(_kolibra_mark_logic name)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_property(TARGET ${name} PROPERTY KOLIBRA_LOGIC ON)
  set_property(GLOBAL APPEND PROPERTY KOLIBRA_LOGIC_LIBRARIES ${name})
endfunction()

# kolibra_logic_library(<name> <sources>...)
function(kolibra_logic_library name)
  add_library(${name} STATIC ${ARGN})
  _kolibra_mark_logic(${name})
endfunction()

# kolibra_logic_objects(<name> <sources>...): one role of a logic library, compiled on its
# own and folded into the subsystem's library.
function(kolibra_logic_objects name)
  add_library(${name} OBJECT ${ARGN})
  _kolibra_mark_logic(${name})
endfunction()

# kolibra_ui_library(<name> <sources>...): windows and dialogs, free to link Widgets.
function(kolibra_ui_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

function(_kolibra_collect_links target out_var)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
    endif()
    get_target_property(type ${current} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(iface ${current} INTERFACE_LINK_LIBRARIES)
    if(iface)
      list(APPEND links ${iface})
    endif()
    foreach(link IN LISTS links)
      # Strip generator expressions such as $<LINK_ONLY:...>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(NOT link MATCHES "^\\$<")
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configure when a logic library reaches Qt Widgets or a window library.
function(kolibra_check_logic_libraries)
  get_property(logic GLOBAL PROPERTY KOLIBRA_LOGIC_LIBRARIES)
  foreach(lib IN LISTS logic)
    _kolibra_collect_links(${lib} reached)
    foreach(dep IN LISTS reached)
      if(dep STREQUAL lib)
        continue()
      endif()
      if(dep MATCHES "^(Qt6?::Widgets|Qt6?::PrintSupport|Qt6?::WidgetsPrivate)$")
        message(FATAL_ERROR "Logic library '${lib}' links '${dep}': only window and dialog libraries may use Qt Widgets.")
      endif()
      if(TARGET ${dep})
        get_target_property(dep_type ${dep} TYPE)
        get_target_property(dep_logic ${dep} KOLIBRA_LOGIC)
        if(dep MATCHES "^kolibra_" AND NOT dep_logic)
          message(FATAL_ERROR "Logic library '${lib}' links the window library '${dep}'.")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

# kolibra_test(<name> <libraries> SOURCES <files>...): one GoogleTest program whose
# cases are discovered when CTest runs, all headless.
function(kolibra_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE kolibra_test_main_widgets)
  else()
    target_link_libraries(${name} PRIVATE kolibra_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
