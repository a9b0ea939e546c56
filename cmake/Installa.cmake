# Install rules and the Debian package: the executable, the data, the menu entry, the AppStream metadata,
# the icons, the manual page and the documents, under one application id. `make package` runs CPack.
include(GNUInstallDirs)

set(TRAMELO_ID io.github.tramelo.Tramelo)
set(TRAMELO_RISORSE ${CMAKE_SOURCE_DIR}/resources)
set(TRAMELO_GENERATI ${CMAKE_BINARY_DIR}/risorse)

# The icon at every size the desktop asks for, rendered from the one drawing.
find_program(TRAMELO_RSVG rsvg-convert REQUIRED)
set(TRAMELO_LATI_ICONA 16 24 32 48 64 128 256)
set(TRAMELO_ICONE_PNG)
foreach(lato IN LISTS TRAMELO_LATI_ICONA)
    set(png ${TRAMELO_GENERATI}/icone/${lato}x${lato}/apps/${TRAMELO_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TRAMELO_GENERATI}/icone/${lato}x${lato}/apps
        COMMAND ${TRAMELO_RSVG} -w ${lato} -h ${lato} -o ${png} ${TRAMELO_RISORSE}/${TRAMELO_ID}.svg
        DEPENDS ${TRAMELO_RISORSE}/${TRAMELO_ID}.svg VERBATIM)
    list(APPEND TRAMELO_ICONE_PNG ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps)
endforeach()

# The window shows the same icon: the renderings are compiled into the program.
qt_add_resources(tramelo_qt tramelo_icona PREFIX /icone BASE ${TRAMELO_GENERATI}/icone FILES ${TRAMELO_ICONE_PNG})
target_compile_definitions(tramelo_qt PUBLIC TRAMELO_ID="${TRAMELO_ID}")

# The manual page and the changelog, compressed as Debian wants them (no name or time stamp in the gzip).
set(TRAMELO_COMPRESSI)
foreach(f tramelo.6 changelog)
    add_custom_command(OUTPUT ${TRAMELO_GENERATI}/${f}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TRAMELO_GENERATI}
        COMMAND sh -c "gzip -9n -c '${TRAMELO_RISORSE}/${f}' > '${TRAMELO_GENERATI}/${f}.gz'"
        DEPENDS ${TRAMELO_RISORSE}/${f} VERBATIM)
    list(APPEND TRAMELO_COMPRESSI ${TRAMELO_GENERATI}/${f}.gz)
endforeach()
add_custom_target(tramelo_risorse ALL DEPENDS ${TRAMELO_COMPRESSI})

set(TRAMELO_DATI_INSTALLATI ${CMAKE_INSTALL_DATADIR}/tramelo)
# Debian keeps the executables of games in <prefix>/games; the game finds its data from either folder.
set(TRAMELO_BINDIR games CACHE STRING "Folder of the executable below the install prefix (games or bin)")
install(TARGETS tramelo RUNTIME DESTINATION ${TRAMELO_BINDIR})
install(DIRECTORY data/dizionari DESTINATION ${TRAMELO_DATI_INSTALLATI})
install(FILES data/Immagini.txt data/Immagini.jpg DESTINATION ${TRAMELO_DATI_INSTALLATI})
install(FILES data/schemi/schema.txt DESTINATION ${TRAMELO_DATI_INSTALLATI}/schemi)
install(FILES resources/${TRAMELO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${TRAMELO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/${TRAMELO_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TRAMELO_GENERATI}/tramelo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The licence text is the system's own copy, named in copyright.
install(FILES README.md data/CREDITS resources/copyright ${TRAMELO_GENERATI}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tramelo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tramelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tramelo developers <tramelo@example.org>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "word-search puzzle game with an Italian interface
Tramelo hides up to 40 listed words in a board of 10 by 18 letter tiles, in
eight directions. Click the letters of a word to strike it through; the
letters left over, read row by row, spell the caption of the picture beside
the board. The game makes new puzzles from a store of Italian words and a
catalogue of pictures, and keeps a library of saved puzzles for every player.")
include(CPack)
