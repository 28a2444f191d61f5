kolibra_test(measurement_document_tests
  LIBRARIES kolibra_measurement
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/support/FakeViewPort.h
    ${CMAKE_CURRENT_LIST_DIR}/support/DocumentFixture.h
    ${CMAKE_CURRENT_LIST_DIR}/HistoriqueTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentUndoWalkTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentDriveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TimeBaseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrackedMarksTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlaneToolTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MassesTest.cpp)
