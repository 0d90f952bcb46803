# Installation: the application's folder goes under lib/quellard exactly as it lies in the build
# (the program beside its images, sounds and help page, which it finds through its own folder),
# a relative bin/quellard link starts it from the PATH, and the desktop entry, icons and AppStream
# metainfo let desktops and software centres show it.

set(QUELLARD_APP_ID org.example.Quellard)
set(QUELLARD_INSTALL_APPDIR lib/quellard)

install(TARGETS quellard RUNTIME DESTINATION ${QUELLARD_INSTALL_APPDIR})
# The sound module lies beside the program, which loads it from its own folder with the first sound.
install(TARGETS quellard_sound LIBRARY DESTINATION ${QUELLARD_INSTALL_APPDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/images/ DESTINATION ${QUELLARD_INSTALL_APPDIR}/images
        FILES_MATCHING PATTERN "*.gif")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/sounds/ DESTINATION ${QUELLARD_INSTALL_APPDIR}/sounds
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${CMAKE_SOURCE_DIR}/assets/help.html DESTINATION ${QUELLARD_INSTALL_APPDIR})

# The link is relative so that the tree can be moved or staged with DESTDIR. The program still
# finds its folder: Qt reads the executable's path from /proc/self/exe, where the link is resolved.
install(CODE "set(quellard_appdir ${QUELLARD_INSTALL_APPDIR})")
install(CODE [[
  set(quellard_bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(MAKE_DIRECTORY "${quellard_bin}")
  message(STATUS "Installing: ${quellard_bin}/quellard -> ../${quellard_appdir}/quellard")
  file(CREATE_LINK "../${quellard_appdir}/quellard" "${quellard_bin}/quellard" SYMBOLIC)
]])

install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/${QUELLARD_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/${QUELLARD_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Icons under the application's id in the hicolor theme: the drawing for any size, and every
# hand-tuned bitmap, quellard-<size>.png, in its own size folder.
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/quellard.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${QUELLARD_APP_ID}.svg OPTIONAL)
file(GLOB quellard_bitmap_icons CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/icons/quellard-*.png)
foreach(icon ${quellard_bitmap_icons})
  get_filename_component(icon_name ${icon} NAME_WE)
  string(REGEX REPLACE "^quellard-" "" icon_size ${icon_name})
  if(icon_size MATCHES "^[0-9]+$")
    install(FILES ${icon} DESTINATION share/icons/hicolor/${icon_size}x${icon_size}/apps
            RENAME ${QUELLARD_APP_ID}.png)
  endif()
endforeach()
