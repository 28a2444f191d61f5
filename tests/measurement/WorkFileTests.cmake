# measurement_files_tests: the work file's readers on odd files, its holder and the
# recent-files list, and the rules of the names and colours dialog.
kolibra_test(measurement_files_tests
  LIBRARIES kolibra_measurement
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/support/FakeViewPort.h
    ${CMAKE_CURRENT_LIST_DIR}/support/DocumentFixture.h
    ${CMAKE_CURRENT_LIST_DIR}/WorkReadersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkFileHoldersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NomCouleurModelTest.cpp)
