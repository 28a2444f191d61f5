kolibra_test(measurement_coordinates_tests
  LIBRARIES kolibra_measurement_coordinates kolibra_measurement_drawing
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/support/FakeViewPort.h
    ${CMAKE_CURRENT_LIST_DIR}/support/FakeMeasurementHost.h
    ${CMAKE_CURRENT_LIST_DIR}/CoordinatesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RepereFixeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransparentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EchelleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/TiltedCamera.h
    ${CMAKE_CURRENT_LIST_DIR}/PlaneCalibrationTest.cpp)
