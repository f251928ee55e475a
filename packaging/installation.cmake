# Installation as a desktop program, and the Debian package built from it:
#   cmake --install build --prefix /usr/local
#   (cd build && cpack -G DEB)
include(GNUInstallDirs)

set(DRAVOUNE_ID org.example.Dravoune)
# Directories made by the installation get these, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS dravoune RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
cmake_path(GET DRAVOUNE_TIC PARENT_PATH dossier_tic)
install(FILES ${DRAVOUNE_TIC} DESTINATION ${CMAKE_INSTALL_DATADIR}/dravoune/${dossier_tic})

# The program reads its tick from assets/ under the working directory; the
# desktop entry starts it in the directory that holds them. The entry is
# written at install time, when the prefix is known (cpack installs into
# its own).
install(CODE "
  set(DRAVOUNE_DATADIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dravoune\")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${DRAVOUNE_ID}.desktop.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${DRAVOUNE_ID}.desktop @ONLY)")
configure_file(packaging/${DRAVOUNE_ID}.metainfo.xml.in ${DRAVOUNE_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${DRAVOUNE_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${DRAVOUNE_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The manual page and the changelog, compressed as Debian has them: at the
# highest level, without the name and time stamp of the source.
configure_file(packaging/changelog.in changelog @ONLY)
configure_file(packaging/dravoune.1.in dravoune.1 @ONLY)
foreach(nom changelog dravoune.1)
  add_custom_command(OUTPUT ${nom}.gz
    COMMAND gzip -9nc ${nom} > ${nom}.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${nom} VERBATIM)
endforeach()
add_custom_target(documentation ALL DEPENDS changelog.gz dravoune.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dravoune.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/dravoune)

# Every size the generator draws.
file(GLOB icones CONFIGURE_DEPENDS assets/icones/dravoune-*.png)
foreach(icone ${icones})
  cmake_path(GET icone STEM nom)
  string(REGEX REPLACE "^dravoune-" "" cote ${nom})
  install(FILES ${icone}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${cote}x${cote}/apps
          RENAME ${DRAVOUNE_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dravoune)
set(CPACK_PACKAGE_VENDOR "Éditions Tesk")
set(CPACK_PACKAGE_CONTACT "Éditions Tesk <dravoune@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coffee chart wheel to spin with the mouse")
set(CPACK_PACKAGE_DESCRIPTION "Dravoune shows a coffee chart drawn as a wheel and lets you spin it with
the mouse. Grab the wheel anywhere on its disc and turn it by dragging; let
go and it coasts on, slowing down, until it stops. A short tick marks the
turning, and a button switches the ticks on and off. A legend wedge names
the wheel's eight bands while the wheel turns beneath it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Libraries the program links come from dpkg-shlibdeps (libqt6gui6 among
# them, which also holds the X11 platform and its GLX integration, and
# libpulse0, which plays the tick); what Qt loads at run time besides is
# named here: a GL driver, and the Wayland platform (through XWayland
# without it).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
# The same source gives the same package: dated by its last commit,
# whatever the umask.
set(CPACK_DRAVOUNE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack-date.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/cpack-modes.cmake)
include(CPack)
