# Installation in the freedesktop layout and the Debian package built from it (cpack -G DEB).
include(GNUInstallDirs)

set(FLINKBLICK_APP_ID io.github.flinkblick.Flinkblick)
# Folders get the same mode whatever the umask of the one who installs (the
# package's folders are set in cmake/CPackRechte.cmake).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Chooses the program's folder for the prefix being installed to and writes the
# desktop entry that starts it from there (the folder is known only then).
configure_file(${PROJECT_SOURCE_DIR}/cmake/InstallLayout.cmake.in ${PROJECT_BINARY_DIR}/InstallLayout.cmake @ONLY)
install(SCRIPT ${PROJECT_BINARY_DIR}/InstallLayout.cmake)
install(TARGETS flinkblick RUNTIME DESTINATION "\${FLINKBLICK_PROGRAM_DIR}")
# A stripped install (the package) also drops the compilers' version notes in
# .comment, as Debian's dh_strip does; the program does not need them.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${FLINKBLICK_PROGRAM_DIR}/flinkblick\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES ${PROJECT_SOURCE_DIR}/data/${FLINKBLICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/${FLINKBLICK_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/scalable/apps/${FLINKBLICK_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages (section 6, games) in English and German, and the Debian changelog,
# compressed as Debian wants them: gzip -9n stores no file name or time, so the same
# text always gives the same bytes.
find_program(FLINKBLICK_GZIP gzip REQUIRED)
set(flinkblick_gzipped)
foreach(pair IN ITEMS "man/flinkblick.6|man/man6/flinkblick.6" "man/de/flinkblick.6|man/de/man6/flinkblick.6"
                      "changelog.Debian|doc/changelog.Debian")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/${target}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/${source} ${PROJECT_BINARY_DIR}/${target}
    COMMAND ${FLINKBLICK_GZIP} -9nf ${PROJECT_BINARY_DIR}/${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/${source}
    VERBATIM)
  list(APPEND flinkblick_gzipped ${PROJECT_BINARY_DIR}/${target}.gz)
endforeach()
add_custom_target(flinkblick_docs DEPENDS ${flinkblick_gzipped})
# Building the program builds its pages too, so an install never misses them.
add_dependencies(flinkblick flinkblick_docs)

install(FILES ${PROJECT_BINARY_DIR}/man/man6/flinkblick.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/man/de/man6/flinkblick.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
# Machine-readable (DEP-5) copyright file and the changelog, where Debian looks for them.
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/flinkblick)
install(FILES ${PROJECT_SOURCE_DIR}/data/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME flinkblick)

# The package installs into /usr whatever prefix the build was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_NAME flinkblick)
set(CPACK_PACKAGE_VENDOR "Die Flinkblick-Entwickler")
set(CPACK_PACKAGE_CONTACT "Die Flinkblick-Entwickler <flinkblick@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zahlen suchen gegen die Uhr")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://flinkblick.github.io/")
set(CPACK_STRIP_FILES ON)
# Sets the time of every file in the package when cpack runs (cmake/CPackZeit.cmake.in).
configure_file(${PROJECT_SOURCE_DIR}/cmake/CPackZeit.cmake.in ${PROJECT_BINARY_DIR}/CPackZeit.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackZeit.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CPackRechte.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CPackArchiv.cmake)

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
# dpkg-shlibdeps cannot see them; their packages come from data/schriften.tsv.
list(JOIN FLINKBLICK_FONT_PACKAGES ", " flinkblick_fonts)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, ${flinkblick_fonts}")

include(CPack)
