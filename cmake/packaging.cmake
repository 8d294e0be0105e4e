# The packages a player installs, made by `cmake --build BUILD --target
# package` in each build: a Debian package from the Linux build, a zip from
# the Windows build. Their names carry the project's version number.
set(CPACK_PACKAGE_NAME linewright)
set(CPACK_PACKAGE_VENDOR "The Linewright developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Random, playable routes for the Kavo train simulator")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")

set(signs_folder "${PROJECT_SOURCE_DIR}/sample/kavo/railway/object/LINEWRIGHT")

if(WIN32)
  # Unpacked anywhere, the folder is the program's working folder when it
  # is started from Explorer: the sample signal system lies beside the
  # program, where it looks for signal systems. The turnout signs lie where
  # they go in the simulator's folder, for copying by hand (every create or
  # launch run also puts them there itself).
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME "linewright-${PROJECT_VERSION}-windows-x64")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  install(TARGETS linewright RUNTIME DESTINATION .)
  install(DIRECTORY "${PROJECT_SOURCE_DIR}/sample/sigsys/" DESTINATION .)
  install(DIRECTORY "${signs_folder}" DESTINATION railway/object)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/README-windows.txt" DESTINATION . RENAME README.txt)
  install(FILES "${PROJECT_SOURCE_DIR}/CHANGELOG.md" DESTINATION .)
else()
  # Installed under /usr: the program, the window's launcher, its desktop
  # entry and icon, and in /usr/share/linewright the sample signal system
  # (which the launcher copies into the player's working folder) and the
  # turnout signs.
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Linewright developers <linewright@invalid>")
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_PACKAGE_DESCRIPTION "Linewright reads a route written for the Kavo train simulator and \
writes a new one with randomized signals, adhesion, track quality, dwell times, traffic, start \
point and time, and alternative paths, then starts the simulator on it. It has a desktop window \
and a command line.")
  install(TARGETS linewright RUNTIME DESTINATION bin)
  install(PROGRAMS "${PROJECT_SOURCE_DIR}/packaging/linewright-window" DESTINATION bin)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/linewright.desktop" DESTINATION share/applications)
  foreach(size 48 256)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/icon/linewright-${size}.png"
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME linewright.png)
  endforeach()
  install(DIRECTORY "${PROJECT_SOURCE_DIR}/sample/sigsys/" DESTINATION share/linewright/sigsys)
  install(DIRECTORY "${signs_folder}" DESTINATION share/linewright/object)
  install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/CHANGELOG.md"
          DESTINATION share/doc/linewright)
endif()

include(CPack)
