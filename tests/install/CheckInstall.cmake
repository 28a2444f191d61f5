# Installs the build at BUILD_DIR into PREFIX and checks what a desktop and a user meet.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(expected
  bin/kolibra bin/kolibra-cli
  lib/kolibra/kolibra lib/kolibra/kolibra-cli lib/kolibra/KlbDll/KlbVff.so
  lib/kolibra/Help/Help_en.html
  share/applications/kolibra.desktop
  share/icons/hicolor/scalable/apps/kolibra.svg
  share/mime/packages/kolibra.xml)
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "Not installed: ${file}")
  endif()
endforeach()
# Every picture an installed help page shows is installed beside it, under the relative
# name the page uses, and lies beside the build tree's page too (Help opened from there);
# and each page shows pictures at all. One page a language.
foreach(language en fr de es)
  set(page Help_${language}.html)
  if(NOT EXISTS ${PREFIX}/lib/kolibra/Help/${page})
    message(FATAL_ERROR "Not installed: ${page}")
  endif()
  file(READ ${PREFIX}/lib/kolibra/Help/${page} help_page)
  string(REGEX MATCHALL "<img src=\"[^\"]+\"" help_images "${help_page}")
  if(NOT help_images)
    message(FATAL_ERROR "The installed help page ${page} shows no picture")
  endif()
  foreach(image IN LISTS help_images)
    string(REGEX REPLACE "^<img src=\"([^\"]+)\"$" "\\1" image "${image}")
    if(NOT EXISTS ${PREFIX}/lib/kolibra/Help/${image})
      message(FATAL_ERROR "${page} shows a picture that is not installed: ${image}")
    endif()
    if(NOT EXISTS ${BUILD_DIR}/app/Help/${image})
      message(FATAL_ERROR "The build tree's ${page} lacks its picture: ${image}")
    endif()
  endforeach()
endforeach()
foreach(program kolibra kolibra-cli)
  if(NOT IS_SYMLINK ${PREFIX}/bin/${program})
    message(FATAL_ERROR "bin/${program} is not a link to the program folder")
  endif()
endforeach()

# The link in bin finds the wrapper beside the real program: the installed kolibra-cli
# reads a video through FFmpeg's wrapper.
execute_process(COMMAND ${PREFIX}/bin/kolibra-cli info --framework ffmpeg ${SAMPLE_VIDEO}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output MATCHES "framework: ffmpeg" OR NOT output MATCHES "frames: [1-9]")
  message(FATAL_ERROR "The installed kolibra-cli cannot read a video: ${output}${errors}")
endif()

if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/kolibra.desktop
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR output MATCHES "error" OR errors MATCHES "error")
    message(FATAL_ERROR "desktop-file-validate: ${output}${errors}")
  endif()
endif()

# update-mime-database reads the package and writes the type's own file: the XML is a
# valid shared-mime-info package that declares the type and its glob.
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning")
    message(FATAL_ERROR "update-mime-database: ${output}${errors}")
  endif()
  # The type's name in the desktop's languages.
  file(READ ${PREFIX}/share/mime/application/x-kolibra-work.xml type_file)
  if(NOT type_file MATCHES "xml:lang=\"fr\">Fichier de travail Kolibra")
    message(FATAL_ERROR "The MIME type has no French comment: ${type_file}")
  endif()
  file(READ ${PREFIX}/share/mime/globs2 globs)
  if(NOT globs MATCHES "application/x-kolibra-work:\\*\\.klb")
    message(FATAL_ERROR "The MIME database does not know *.klb: ${globs}")
  endif()
endif()
message(STATUS "Installed tree checked in ${PREFIX}")
