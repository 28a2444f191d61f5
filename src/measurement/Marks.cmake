# Marks and their frame containers and collections.
kolibra_logic_objects(kolibra_measurement_marks
  ${CMAKE_CURRENT_LIST_DIR}/MarksHost.h
  ${CMAKE_CURRENT_LIST_DIR}/FrameTimeShift.h
  ${CMAKE_CURRENT_LIST_DIR}/Marque.cpp ${CMAKE_CURRENT_LIST_DIR}/Marque.h
  ${CMAKE_CURRENT_LIST_DIR}/Container.cpp ${CMAKE_CURRENT_LIST_DIR}/Container.h
  ${CMAKE_CURRENT_LIST_DIR}/PolyContainer.cpp ${CMAKE_CURRENT_LIST_DIR}/PolyContainer.h
  ${CMAKE_CURRENT_LIST_DIR}/PolyContainerMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PolyContainerPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PolyContainerStorage.cpp
)
target_link_libraries(kolibra_measurement_marks PUBLIC kolibra_measurement_coordinates kolibra_measurement_drawing kolibra_kit Qt6::Gui)
