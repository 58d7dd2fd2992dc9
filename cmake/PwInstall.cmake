# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout (FHS), the desktop's menu entry, AppStream data and icons, and the Debian
# package. The program finds everything relative to its own folder (src/common/AppPaths.h), so
# these destinations and that lookup must agree:
#   bin/pitchwise
#   libexec/pitchwise/pwmail, pwupdate
#   share/pitchwise/BaseDB.db, help/, translations/
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1, share/doc/pitchwise
include(GNUInstallDirs)

set(PW_APP_ID com.brantworks.Pitchwise)
set(PW_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
set(PW_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/pitchwise)

install(TARGETS pitchwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pwmail pwupdate RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/pitchwise)
install(FILES ${PW_SEED_DB} DESTINATION ${PW_SHARE_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${PW_SHARE_DIR}/help
        FILES_MATCHING PATTERN "*.html" PATTERN "*.json")

install(FILES ${PW_DESKTOP_DIR}/${PW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PW_DESKTOP_DIR}/${PW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The menu's icon: the program's own drawing, and pixel sizes for desktops that want them, drawn
# from it at build time.
set(PW_APP_SVG ${CMAKE_SOURCE_DIR}/resources/icons/pitchwise.svg)
install(FILES ${PW_APP_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${PW_APP_ID}.svg)
find_program(PW_RSVG_CONVERT rsvg-convert)
if(NOT PW_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) draws the menu icons; scripts/install-deps.sh "
                        "installs it")
endif()
set(pw_icon_outputs)
foreach(size 48 128 256)
    set(png ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/${PW_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps
        COMMAND ${PW_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${PW_APP_SVG}
        DEPENDS ${PW_APP_SVG}
        COMMENT "Drawing the ${size} px menu icon"
        VERBATIM)
    list(APPEND pw_icon_outputs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(pw_menu_icons ALL DEPENDS ${pw_icon_outputs})

# Written by hand in docs/; OPTIONAL so that a tree without it still installs.
install(FILES ${CMAKE_SOURCE_DIR}/docs/pitchwise.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pitchwise)

# Only the package carries this file: it tells the program that a package manager owns it, so the
# update check leaves the program file alone (runsFromSystemPackage). `cmake --install` alone
# skips it (EXCLUDE_FROM_ALL); the package installs its component on top of everything else.
set(PW_PACKAGE_MARKER ${CMAKE_BINARY_DIR}/packaged)
file(WRITE ${PW_PACKAGE_MARKER} "Installed by the pitchwise Debian package; updates come through the package manager.\n")
install(FILES ${PW_PACKAGE_MARKER} DESTINATION ${PW_SHARE_DIR} COMPONENT pw_package EXCLUDE_FROM_ALL)

# ---- the Debian package: cpack -G DEB in the build folder
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pitchwise)
set(CPACK_PACKAGE_VENDOR Brantworks)
set(CPACK_PACKAGE_CONTACT "Brantworks <pitchwise@brantworks.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planner for coaches of youth soccer teams")
set(CPACK_PACKAGE_HOMEPAGE_URL https://brantworks.com/pitchwise/)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary above is the package's first line; this paragraph follows it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pitchwise keeps each team's roster with family contacts, the opponents, the
season schedule and tournaments, and works out the season record and
standings points from the game statistics. Line-ups with fair playing time,
practice plans from a drawn drill library, printed reports, e-mail to
families and fees are built on the same foundation.")
# Dependencies come from the shared libraries the programs link (dpkg-shlibdeps); the SQLite driver
# and the desktop's window plug-ins are loaded, never linked, so they are named; so are libcurl and
# libcrypto, which the update check opens when it runs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, qt6-qpa-plugins, libcurl4, libssl3")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql, qt6-wayland, qt6-translations-l10n")
# Everything `cmake --install` puts in place, plus the package's marker.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/;${CMAKE_BINARY_DIR};${PROJECT_NAME};pw_package;/")
include(CPack)
