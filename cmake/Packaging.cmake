# Installed layout (desktop entry, AppStream metainfo, icons, user unit, manual page, Debian documents) and
# the .deb package built by CPack. `cmake --install` lays the files out; `cpack -G DEB` packs them.
include(GNUInstallDirs)

set(ONDRIX_APP_ID "io.ondrix.Ondrix" CACHE STRING "Reverse-DNS application id")
set(ONDRIX_INSTALLED_BINARY "${CMAKE_INSTALL_FULL_BINDIR}/ondrix")
set(ONDRIX_INSTALLED_DATADIR "${CMAKE_INSTALL_FULL_DATADIR}")
set(ONDRIX_INSTALLED_DESKTOP_MODULE "${CMAKE_INSTALL_PREFIX}/${ONDRIX_DESKTOP_MODULE_DIR}/desktop.so")
set(ONDRIX_INSTALLED_KEYWORD_MODULE "${CMAKE_INSTALL_PREFIX}/${ONDRIX_DESKTOP_MODULE_DIR}/iptc.so")
set(ONDRIX_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package-files)

configure_file(${PROJECT_SOURCE_DIR}/resources/io.ondrix.Ondrix.desktop.in
    ${ONDRIX_PACKAGE_DIR}/${ONDRIX_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/io.ondrix.Ondrix.metainfo.xml.in
    ${ONDRIX_PACKAGE_DIR}/${ONDRIX_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/ondrix.1.in ${ONDRIX_PACKAGE_DIR}/ondrix.1 @ONLY)
file(READ ${PROJECT_SOURCE_DIR}/resources/ondrix.service ONDRIX_UNIT)
string(REPLACE "/usr/local/bin/ondrix" "${ONDRIX_INSTALLED_BINARY}" ONDRIX_UNIT "${ONDRIX_UNIT}")
file(WRITE ${ONDRIX_PACKAGE_DIR}/ondrix.service "${ONDRIX_UNIT}")
# The system unit for service accounts, with its private session bus's configuration.
file(READ ${PROJECT_SOURCE_DIR}/resources/ondrix@.service ONDRIX_SYSTEM_UNIT)
string(REPLACE "/usr/local/bin/ondrix" "${ONDRIX_INSTALLED_BINARY}" ONDRIX_SYSTEM_UNIT "${ONDRIX_SYSTEM_UNIT}")
string(REPLACE "/usr/local/share/ondrix" "${ONDRIX_INSTALLED_DATADIR}/ondrix" ONDRIX_SYSTEM_UNIT
    "${ONDRIX_SYSTEM_UNIT}")
file(WRITE ${ONDRIX_PACKAGE_DIR}/ondrix@.service "${ONDRIX_SYSTEM_UNIT}")

install(FILES ${ONDRIX_PACKAGE_DIR}/${ONDRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ONDRIX_PACKAGE_DIR}/${ONDRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ONDRIX_PACKAGE_DIR}/ondrix.service DESTINATION lib/systemd/user)
install(FILES ${ONDRIX_PACKAGE_DIR}/ondrix@.service DESTINATION lib/systemd/system)
install(FILES ${PROJECT_SOURCE_DIR}/resources/service-bus.conf DESTINATION ${CMAKE_INSTALL_DATADIR}/ondrix)

# Debian wants manual pages and the changelog compressed, without a time stamp in the gzip header.
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${ONDRIX_PACKAGE_DIR}/ondrix.1.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${ONDRIX_PACKAGE_DIR}/ondrix.1 > ${ONDRIX_PACKAGE_DIR}/ondrix.1.gz
    DEPENDS ${ONDRIX_PACKAGE_DIR}/ondrix.1 VERBATIM)
add_custom_command(OUTPUT ${ONDRIX_PACKAGE_DIR}/changelog.Debian.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/resources/debian/changelog
        > ${ONDRIX_PACKAGE_DIR}/changelog.Debian.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/debian/changelog VERBATIM)
set(ONDRIX_GENERATED_PACKAGE_FILES ${ONDRIX_PACKAGE_DIR}/ondrix.1.gz ${ONDRIX_PACKAGE_DIR}/changelog.Debian.gz)

# The application icon: the SVG as it is, plus PNG sizes for panels and launchers that want bitmaps.
set(ONDRIX_APP_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/AppIcon.svg)
find_program(RSVG_CONVERT_PROGRAM rsvg-convert)
if(EXISTS ${ONDRIX_APP_ICON_SVG})
    install(FILES ${ONDRIX_APP_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ONDRIX_APP_ID}.svg)
    if(RSVG_CONVERT_PROGRAM)
        foreach(size 16 22 24 32 48 64 128 256)
            set(png ${ONDRIX_PACKAGE_DIR}/icons/${size}/${ONDRIX_APP_ID}.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${ONDRIX_PACKAGE_DIR}/icons/${size}
                COMMAND ${RSVG_CONVERT_PROGRAM} -w ${size} -h ${size} -o ${png} ${ONDRIX_APP_ICON_SVG}
                DEPENDS ${ONDRIX_APP_ICON_SVG} VERBATIM)
            list(APPEND ONDRIX_GENERATED_PACKAGE_FILES ${png})
            install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        endforeach()
    endif()
endif()
add_custom_target(package_files ALL DEPENDS ${ONDRIX_GENERATED_PACKAGE_FILES})

install(FILES ${ONDRIX_PACKAGE_DIR}/ondrix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${ONDRIX_PACKAGE_DIR}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ondrix)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "ondrix")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_CONTACT "The Ondrix developers <support@ondrix.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keeps local folders pushed to FTP, FTPS and SFTP servers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ondrix sits in the tray of the desktop and uploads every file that appears or\nchanges in a chosen folder to an FTP, explicit FTPS or SFTP server once it\nhas stopped growing. Files can be filtered by extension and size, tagged\nwith colours and IPTC keywords, and archived, handed to a script or\ndeleted after the upload. It also runs headless as a systemd user service or\nas a system service for a dedicated account.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "net")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ONDRIX_WEBSITE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the platform plugins (xcb, wayland, offscreen),
# the SVG image plugin for the artwork, libcanberra, loaded with the first sound played, and libsecret, which
# the keyring library loads when a password is first read or written.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, libcanberra0, libsecret-1-0")
# The system unit for service accounts runs Ondrix on a private bus from dbus-run-session.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, dbus-daemon")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
