# The coordinate system: fixed axes, layer, scale, the plane and lens calibration and the
# view-port they draw on.
kolibra_logic_objects(kolibra_measurement_coordinates
  ${CMAKE_CURRENT_LIST_DIR}/HistObject.cpp ${CMAKE_CURRENT_LIST_DIR}/HistObject.h
  ${CMAKE_CURRENT_LIST_DIR}/ViewPort.cpp ${CMAKE_CURRENT_LIST_DIR}/ViewPort.h
  ${CMAKE_CURRENT_LIST_DIR}/MeasurementHost.h
  ${CMAKE_CURRENT_LIST_DIR}/ElementPainting.cpp ${CMAKE_CURRENT_LIST_DIR}/ElementPainting.h
  ${CMAKE_CURRENT_LIST_DIR}/Origine.cpp ${CMAKE_CURRENT_LIST_DIR}/Origine.h
  ${CMAKE_CURRENT_LIST_DIR}/Repere.cpp ${CMAKE_CURRENT_LIST_DIR}/Repere.h
  ${CMAKE_CURRENT_LIST_DIR}/RepereFixe.cpp ${CMAKE_CURRENT_LIST_DIR}/RepereFixeMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RepereFixe.h
  ${CMAKE_CURRENT_LIST_DIR}/Transparent.cpp ${CMAKE_CURRENT_LIST_DIR}/TransparentMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Transparent.h
  ${CMAKE_CURRENT_LIST_DIR}/Echelle.cpp ${CMAKE_CURRENT_LIST_DIR}/EchelleMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Echelle.h ${CMAKE_CURRENT_LIST_DIR}/PressDrag.h
  ${CMAKE_CURRENT_LIST_DIR}/PlaneCalibration.cpp ${CMAKE_CURRENT_LIST_DIR}/PlaneCalibration.h
  ${CMAKE_CURRENT_LIST_DIR}/PlaneTool.cpp ${CMAKE_CURRENT_LIST_DIR}/PlaneTool.h
)
target_link_libraries(kolibra_measurement_coordinates PUBLIC kolibra_measurement_drawing kolibra_kit Qt6::Gui)
# The plane and the lens: homography, undistortion and the fit of straight lines (kept private).
find_package(OpenCV REQUIRED COMPONENTS core imgproc calib3d)
target_link_libraries(kolibra_measurement_coordinates PRIVATE ${OpenCV_LIBS})
target_include_directories(kolibra_measurement_coordinates SYSTEM PRIVATE ${OpenCV_INCLUDE_DIRS})
