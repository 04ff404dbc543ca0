# Installation in the freedesktop layout and the Debian package built from it (cpack -G DEB).
include(GNUInstallDirs)

set(FLINKBLICK_APP_ID io.github.flinkblick.Flinkblick)

install(TARGETS flinkblick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/${FLINKBLICK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${FLINKBLICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/${FLINKBLICK_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/scalable/apps/${FLINKBLICK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/flinkblick)

# The package installs into /usr whatever prefix the build was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_NAME flinkblick)
set(CPACK_PACKAGE_VENDOR "Die Flinkblick-Entwickler")
set(CPACK_PACKAGE_CONTACT "Die Flinkblick-Entwickler <flinkblick@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zahlen suchen gegen die Uhr")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://flinkblick.github.io/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts CPACK_PACKAGE_DESCRIPTION_SUMMARY in front as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Flinkblick verteilt die Zahlen von 1 bis 50 kreuz und quer über ein Raster.
Sie werden so schnell wie möglich der Reihe nach angeklickt, aufwärts oder
abwärts, als bunte oder als gleiche Zahlen, einmal durch oder zwölf Minuten
lang mit immer neuen Feldern.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The typefaces the boards ask for are found through fontconfig, not linked, so
# dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fontconfig, fonts-liberation2, fonts-lato, fonts-dancingscript, fonts-comfortaa, fonts-linuxlibertine, fonts-dejavu-core")

include(CPack)
