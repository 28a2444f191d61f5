# Mark symbols, palettes and drawing helpers.
kolibra_logic_objects(kolibra_measurement_drawing
  ${CMAKE_CURRENT_LIST_DIR}/DrawHelpers.h
  ${CMAKE_CURRENT_LIST_DIR}/DrawingInternal.h
  ${CMAKE_CURRENT_LIST_DIR}/DrawCurves.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrawShapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrawText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GraphUtils.cpp ${CMAKE_CURRENT_LIST_DIR}/GraphUtils.h
  ${CMAKE_CURRENT_LIST_DIR}/HitTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Legibility.cpp ${CMAKE_CURRENT_LIST_DIR}/Legibility.h
  ${CMAKE_CURRENT_LIST_DIR}/Motifs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Polygons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RotateBitmap.cpp
)
target_link_libraries(kolibra_measurement_drawing PUBLIC kolibra_kit Qt6::Gui)
