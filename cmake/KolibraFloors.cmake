# The floors of Kolibra's libraries: the measurement spine at the bottom, the windows and the
# program at the top. A library links only libraries on its own floor or below; the configure
# fails otherwise (kolibra_check_floors). A new library takes its place here, on the lowest
# floor that holds everything it links; a window library stands on the floor of its logic, or
# higher when it uses other windows.
kolibra_floors(
  0  kolibra_kit
  1  kolibra_settings kolibra_dialogs
  2  kolibra_measurement_drawing kolibra_measurement_files kolibra_measurement_coordinates
     kolibra_measurement_marks kolibra_measurement_document kolibra_measurement
     kolibra_settings_windows kolibra_measurement_windows
  3  kolibra_kinematics kolibra_videoconvert kolibra_video kolibra_video_avi_fuzz kolibra_videowriters kolibra_printing
     kolibra_printing_windows
  4  kolibra_modelling kolibra_formulas kolibra_formulas_fuzz kolibra_export kolibra_videoview
     kolibra_formulas_windows kolibra_export_windows kolibra_videoview_windows
  5  kolibra_results kolibra_editing kolibra_tracking kolibra_studio kolibra_capture
     kolibra_results_windows kolibra_editing_windows kolibra_capture_windows
  6  kolibra_work
  7  kolibra_record kolibra_record_windows
  8  kolibra_mainwindow_logic kolibra_mainwindow
)
