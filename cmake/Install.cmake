# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation, as Debian keeps games: the program in games/, its pictures, sounds and help page,
# which are the same on every architecture, in share/games/quellard. The program finds them there,
# relative to its own folder, when they do not lie beside it as they do in the build folder. The
# desktop entry, icons and AppStream metainfo let desktops and software centres show the game, and
# the manual page, copyright and change log go where Debian keeps them.

set(QUELLARD_APP_ID org.example.quellard)
set(QUELLARD_INSTALL_DATADIR share/games/quellard)

install(TARGETS quellard RUNTIME DESTINATION games)
# The compilers' names and versions in the program's .comment section serve nobody who plays it;
# Debian's own packaging removes them too.
if(CMAKE_OBJCOPY)
  install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/quellard\")")
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/images/ DESTINATION ${QUELLARD_INSTALL_DATADIR}/images
        FILES_MATCHING PATTERN "*.gif")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/sounds/ DESTINATION ${QUELLARD_INSTALL_DATADIR}/sounds
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${CMAKE_SOURCE_DIR}/assets/help.html DESTINATION ${QUELLARD_INSTALL_DATADIR})

install(FILES ${CMAKE_SOURCE_DIR}/assets/lintian/quellard DESTINATION share/lintian/overrides)
install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/${QUELLARD_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/${QUELLARD_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Icons under the application's id in the hicolor theme: the drawing for any size, and each
# hand-tuned bitmap in its own size folder.
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/quellard.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${QUELLARD_APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/quellard-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${QUELLARD_APP_ID}.png)
endforeach()

# The manual page and the change log, compressed as Debian wants them: best compression, no name
# or time stamp in the gzip header, so the same sources give the same bytes.
set(quellard_doc_dir ${CMAKE_BINARY_DIR}/doc)
foreach(doc quellard.6 changelog)
  add_custom_command(OUTPUT ${quellard_doc_dir}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${quellard_doc_dir}
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/assets/doc/${doc} > ${quellard_doc_dir}/${doc}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/doc/${doc}
    VERBATIM)
endforeach()
add_custom_target(quellard_docs ALL DEPENDS ${quellard_doc_dir}/quellard.6.gz ${quellard_doc_dir}/changelog.gz)
install(FILES ${quellard_doc_dir}/quellard.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/assets/doc/copyright ${quellard_doc_dir}/changelog.gz DESTINATION share/doc/quellard)
