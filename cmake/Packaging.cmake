# Installs the program like the other programs of a Linux desktop (desktop
# entry, icons, AppStream metadata, manual page, copyright and changelog), and
# sets up CPack to build the Debian package from the same install rules
# (`make package`). Included from the top-level CMakeLists.txt, after the
# program's own install rule.

set(QV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QV_APP_ID org.example.quorvane.QuorvaneLog)
set(QV_PACKAGE_CONTACT "The Quorvane Log developers <quorvane-log@quorvane.example.org>")

# The changelog's latest entry, the metainfo's latest release and the manual
# page name the version being built, so a version bump cannot forget them.
file(STRINGS ${QV_PACKAGING_DIR}/changelog qv_changelog_head LIMIT_COUNT 1)
string(FIND "${qv_changelog_head}" "quorvane-log (${PROJECT_VERSION})" qv_at)
if(NOT qv_at EQUAL 0)
    message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}")
endif()
file(READ ${QV_PACKAGING_DIR}/${QV_APP_ID}.metainfo.xml qv_metainfo)
string(FIND "${qv_metainfo}" "<release version=\"${PROJECT_VERSION}\"" qv_at)
if(qv_at EQUAL -1)
    message(FATAL_ERROR "the metainfo file names no release ${PROJECT_VERSION}")
endif()
file(STRINGS ${QV_PACKAGING_DIR}/quorvane-log.1 qv_manual_head LIMIT_COUNT 1)
string(FIND "${qv_manual_head}" "\"Quorvane Log ${PROJECT_VERSION}\"" qv_at)
if(qv_at EQUAL -1)
    message(FATAL_ERROR "the manual page is not of version ${PROJECT_VERSION}")
endif()

# Debian wants the manual page and the changelog compressed with gzip -9, and
# without a time stamp (-n) so that the package builds the same every time.
find_program(QV_GZIP gzip REQUIRED)
set(qv_compressed)
foreach(pair "quorvane-log.1;quorvane-log.1.gz" "changelog;changelog.gz")
    list(GET pair 0 source)
    list(GET pair 1 target)
    set(out ${PROJECT_BINARY_DIR}/packaging/${target})
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
        COMMAND ${CMAKE_COMMAND} -E copy ${QV_PACKAGING_DIR}/${source}
                ${PROJECT_BINARY_DIR}/packaging/${source}
        COMMAND ${QV_GZIP} -9nf ${PROJECT_BINARY_DIR}/packaging/${source}
        DEPENDS ${QV_PACKAGING_DIR}/${source}
        VERBATIM)
    list(APPEND qv_compressed ${out})
endforeach()
add_custom_target(qv_packaging_files ALL DEPENDS ${qv_compressed})

set(qv_docdir ${CMAKE_INSTALL_DATADIR}/doc/quorvane-log)
install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QV_PACKAGING_DIR}/${QV_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QV_PACKAGING_DIR}/icons/quorvane-log.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QV_PACKAGING_DIR}/icons/quorvane-log-128.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps
        RENAME quorvane-log.png)
install(FILES ${PROJECT_BINARY_DIR}/packaging/quorvane-log.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QV_PACKAGING_DIR}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${qv_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane-log)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvane Log developers")
set(CPACK_PACKAGE_CONTACT ${QV_PACKAGE_CONTACT})
set(CPACK_PACKAGE_HOMEPAGE_URL https://quorvane.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contest logger for the Quorvane youth contest")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvane Log logs the contacts of the Quorvane contest, the youth event in
which young operators and adults exchange a name, an operator category and a
state, province or country. It checks the exchange, refuses duplicates on the
band, scores each contact, writes it to the log at once and keeps points,
multipliers, score and rates.

Around the log it drives the station: rig control over a serial port, voice
messages with push-to-talk keying, DX spots from a Telnet cluster, a packet
TNC or a packet engine on a band map, spoken field names for blind operators,
and the Cabrillo entry and an ADIF export.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QV_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The country files, hamlib's radio daemon (rigctld), and speech for the voice
# keyer's typed messages: the speech daemon and a Qt engine to reach speech.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hamradio-files, libhamlib-utils, speech-dispatcher, \
qt6-speech-flite-plugin | qt6-speech-speechd-plugin")

include(CPack)
