# Installing Kolibra the way Linux programs install:
#
#   <prefix>/lib/kolibra/kolibra, kolibra-cli   the programs, with beside them
#   <prefix>/lib/kolibra/KlbDll/                the FFmpeg wrappers they load by path
#   <prefix>/lib/kolibra/Help/Help_xx.html      the help pages, one a language
#   <prefix>/lib/kolibra/Help/images/           their pictures, which the pages name relatively
#   <prefix>/bin/kolibra, kolibra-cli           links to the programs
#   <prefix>/share/applications/kolibra.desktop the menu entry, which opens ".klb" files
#   <prefix>/share/icons/hicolor/scalable/apps/kolibra.svg
#   <prefix>/share/mime/packages/kolibra.xml    the MIME type of work files
#
# The programs find their wrappers and help beside their own real path (the links in bin
# resolve to it), so the folder stays together. The Debian package is made by CPack:
#   cmake --build --preset default --target package

# The help page lies beside the programs of the build tree too, so the Help command works
# from there.
# One page a language (Help_en.html, Help_fr.html ...); the Help command opens the page of the
# interface language.
file(GLOB KOLIBRA_HELP_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/help/Help_*.html)
foreach(page IN LISTS KOLIBRA_HELP_PAGES)
  get_filename_component(page_name ${page} NAME)
  configure_file(${page} ${CMAKE_BINARY_DIR}/app/Help/${page_name} COPYONLY)
endforeach()
# The pictures the pages show, taken from the program itself: images/ in English, images/xx/
# in another language.
file(GLOB_RECURSE KOLIBRA_HELP_IMAGES CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/resources/help/images
  ${PROJECT_SOURCE_DIR}/resources/help/images/*.png)
foreach(image IN LISTS KOLIBRA_HELP_IMAGES)
  configure_file(${PROJECT_SOURCE_DIR}/resources/help/images/${image} ${CMAKE_BINARY_DIR}/app/Help/images/${image} COPYONLY)
endforeach()

set(KOLIBRA_INSTALL_PROGRAM_DIR lib/kolibra)

install(TARGETS kolibra kolibra-cli RUNTIME DESTINATION ${KOLIBRA_INSTALL_PROGRAM_DIR})
# Every wrapper library built for the "KlbDll" folder (reading now, writing when it lands).
foreach(wrapper KlbVff KlbRff)
  if(TARGET ${wrapper})
    install(TARGETS ${wrapper} LIBRARY DESTINATION ${KOLIBRA_INSTALL_PROGRAM_DIR}/KlbDll)
  endif()
endforeach()
install(FILES ${KOLIBRA_HELP_PAGES} DESTINATION ${KOLIBRA_INSTALL_PROGRAM_DIR}/Help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/images/ DESTINATION ${KOLIBRA_INSTALL_PROGRAM_DIR}/Help/images
  FILES_MATCHING PATTERN "*.png")
install(CODE "
  set(kolibra_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${kolibra_bin}\")
  foreach(program kolibra kolibra-cli)
    message(STATUS \"Installing: \${kolibra_bin}/\${program} -> ../${KOLIBRA_INSTALL_PROGRAM_DIR}/\${program}\")
    file(CREATE_LINK ../${KOLIBRA_INSTALL_PROGRAM_DIR}/\${program} \"\${kolibra_bin}/\${program}\" SYMBOLIC)
  endforeach()
")
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kolibra.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kolibra.svg
  DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kolibra.xml DESTINATION share/mime/packages)

# The Debian package. Its library dependencies come from dpkg-shlibdeps; GStreamer's
# plug-ins and Qt's platform plug-ins are loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolibra)
set(CPACK_PACKAGE_VENDOR "Kolibra")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching mechanics from video")
set(CPACK_PACKAGE_DESCRIPTION
  "Kolibra shows a video of a moving object, lets the user calibrate it and mark the\n\
positions of one or several objects frame by frame, by hand or with an automatic\n\
tracker, and computes positions, velocities and accelerations as a datasheet and\n\
graphs with fitted models.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kolibra developers <kolibra@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, fonts-liberation")
include(CPack)
