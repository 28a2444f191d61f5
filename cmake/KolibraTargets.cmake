# Helpers that declare Kolibra's libraries and keep the dependencies pointing one way:
# - a logic library may link Qt Core and Gui (QPainter on a QImage works headless) but
#   never Qt Widgets, directly or through another library;
# - every library stands on a floor (cmake/KolibraFloors.cmake, one table for the whole
#   tree), and no library links one on a higher floor, window libraries included.

set_property(GLOBAL PROPERTY KOLIBRA_LOGIC_LIBRARIES "")
set_property(GLOBAL PROPERTY KOLIBRA_LIBRARIES "")

function(_kolibra_mark_logic name)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_property(GLOBAL APPEND PROPERTY KOLIBRA_LIBRARIES ${name})
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
  set_property(GLOBAL APPEND PROPERTY KOLIBRA_LIBRARIES ${name})
endfunction()

# The targets a target links itself, private and public, generator expressions such as
# $<LINK_ONLY:...> stripped (other expressions are left out).
function(_kolibra_direct_links target out_var)
  get_target_property(type ${target} TYPE)
  set(links "")
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND links ${direct})
    endif()
  endif()
  get_target_property(iface ${target} INTERFACE_LINK_LIBRARIES)
  if(iface)
    list(APPEND links ${iface})
  endif()
  set(result "")
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
    if(NOT link MATCHES "^\\$<")
      list(APPEND result ${link})
    endif()
  endforeach()
  set(${out_var} ${result} PARENT_SCOPE)
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
    _kolibra_direct_links(${current} links)
    list(APPEND queue ${links})
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

# kolibra_floors(<floor> <library>... <floor> <library>...): the floor of each library, a
# whole number, lowest first. Called once, with the whole table.
function(kolibra_floors)
  set(floor "")
  foreach(arg IN LISTS ARGN)
    if(arg MATCHES "^[0-9]+$")
      set(floor ${arg})
    elseif(floor STREQUAL "")
      message(FATAL_ERROR "kolibra_floors: '${arg}' comes before any floor number.")
    else()
      set_property(GLOBAL PROPERTY KOLIBRA_FLOOR_${arg} ${floor})
    endif()
  endforeach()
endfunction()

function(_kolibra_floor_of name out_var)
  get_property(floor GLOBAL PROPERTY KOLIBRA_FLOOR_${name})
  set(${out_var} "${floor}" PARENT_SCOPE)
endfunction()

# Fails the configure when one of Kolibra's libraries has no floor, or links (directly) one
# of Kolibra's libraries on a higher floor. Links to a lower or the same floor are free; a
# library reached through others is checked where it is linked directly.
function(kolibra_check_floors)
  get_property(libraries GLOBAL PROPERTY KOLIBRA_LIBRARIES)
  foreach(lib IN LISTS libraries)
    _kolibra_floor_of(${lib} floor)
    if(floor STREQUAL "")
      message(FATAL_ERROR "Library '${lib}' has no floor: give it one in cmake/KolibraFloors.cmake.")
    endif()
    _kolibra_direct_links(${lib} links)
    foreach(dep IN LISTS links)
      if(NOT dep IN_LIST libraries OR dep STREQUAL lib)
        continue()
      endif()
      _kolibra_floor_of(${dep} dep_floor)
      if(dep_floor STREQUAL "")
        message(FATAL_ERROR "Library '${dep}' has no floor: give it one in cmake/KolibraFloors.cmake.")
      endif()
      if(dep_floor GREATER floor)
        message(FATAL_ERROR "Library '${lib}' (floor ${floor}) links '${dep}' on the higher floor ${dep_floor}: "
                            "dependencies point down. Move what it needs down, or the library up.")
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
