# The measurement document, its undo histories and the time base's rules.
kolibra_logic_objects(kolibra_measurement_document
  ${CMAKE_CURRENT_LIST_DIR}/ResultsInvalidation.h
  ${CMAKE_CURRENT_LIST_DIR}/Historique.cpp ${CMAKE_CURRENT_LIST_DIR}/Historique.h
  ${CMAKE_CURRENT_LIST_DIR}/Data.cpp ${CMAKE_CURRENT_LIST_DIR}/Data.h
  ${CMAKE_CURRENT_LIST_DIR}/DataMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataMouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataStorage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataUndo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Masses.cpp ${CMAKE_CURRENT_LIST_DIR}/Masses.h
  ${CMAKE_CURRENT_LIST_DIR}/NomCouleurModel.cpp ${CMAKE_CURRENT_LIST_DIR}/NomCouleurModel.h
  ${CMAKE_CURRENT_LIST_DIR}/TimeBase.cpp ${CMAKE_CURRENT_LIST_DIR}/TimeBase.h
)
target_link_libraries(kolibra_measurement_document PUBLIC kolibra_measurement_marks kolibra_measurement_coordinates
  kolibra_measurement_drawing kolibra_settings kolibra_kit Qt6::Gui)
