# Installs the build into a temporary DESTDIR under an unusual prefix, as
# `cmake --install` does, then checks the installed layout: the program finds
# every shipped data file from bin/../share/quorvane-log, the desktop files are
# in place, and the installed program answers --version.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPROBE=... -DVERSION=... -P InstalledLayoutTest.cmake

set(root ${BUILD_DIR}/tests/packaging/installed-layout)
set(prefix /opt/quorvane-test)
file(REMOVE_RECURSE ${root})
file(MAKE_DIRECTORY ${root}/work)

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}/dest
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()
set(installed ${root}/dest${prefix})

# Every file of data/ but its README, and the spoken words.
file(GLOB names LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}/data
     ${SOURCE_DIR}/data/* ${SOURCE_DIR}/data/voice/*.wav)
list(REMOVE_ITEM names README.md)
execute_process(
    COMMAND ${PROBE} ${installed}/bin ${root}/work ${SOURCE_DIR}/data ${names}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the data files are not found from the installed layout")
endif()
list(LENGTH names count)
if(count LESS 13)
    message(FATAL_ERROR "only ${count} data files were checked")
endif()

foreach(file
        share/applications/org.example.quorvane.QuorvaneLog.desktop
        share/metainfo/org.example.quorvane.QuorvaneLog.metainfo.xml
        share/icons/hicolor/scalable/apps/quorvane-log.svg
        share/icons/hicolor/128x128/apps/quorvane-log.png
        share/man/man1/quorvane-log.1.gz
        share/doc/quorvane-log/copyright
        share/doc/quorvane-log/changelog.gz)
    if(NOT EXISTS ${installed}/${file})
        message(FATAL_ERROR "${file} is not installed")
    endif()
endforeach()

execute_process(
    COMMAND ${installed}/bin/quorvane-log --version
    WORKING_DIRECTORY ${root}/work
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "quorvane-log ${VERSION}\n")
    message(FATAL_ERROR "the installed program answered --version with ${result}: ${output}${errors}")
endif()
file(REMOVE_RECURSE ${root})
