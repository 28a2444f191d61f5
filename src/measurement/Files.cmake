# The work file and the files around it: writing and reading ".klb" files, the recent-files
# list.
kolibra_logic_objects(kolibra_measurement_files
  ${CMAKE_CURRENT_LIST_DIR}/Klb.cpp ${CMAKE_CURRENT_LIST_DIR}/Klb.h
  ${CMAKE_CURRENT_LIST_DIR}/MRUFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/MRUFiles.h
)
target_link_libraries(kolibra_measurement_files PUBLIC kolibra_kit Qt6::Core)
