kolibra_test(measurement_drawing_tests
  LIBRARIES kolibra_measurement_drawing
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GraphUtilsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DrawHelpersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CurvesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PolygonsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LegibilityTest.cpp)
