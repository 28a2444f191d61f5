kolibra_test(measurement_marks_tests
  LIBRARIES kolibra_measurement
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/support/FakeViewPort.h
    ${CMAKE_CURRENT_LIST_DIR}/support/FakeMarksHost.h
    ${CMAKE_CURRENT_LIST_DIR}/MarksTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MarksStorageTest.cpp)
