# Installs the suite into an empty folder, as `cmake --install` does for a
# user, and checks that a desktop finds a valid entry, metainfo and icon there
# and that the program runs without the build folder.
include(${CMAKE_CURRENT_LIST_DIR}/Checks.cmake)

file(REMOVE_RECURSE "${STAGE}")
run_checked(ignored ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}")

set(program "${STAGE}/bin/${EXECUTABLE}")
set(desktop "${STAGE}/share/applications/${APP_ID}.desktop")
set(metainfo "${STAGE}/share/metainfo/${APP_ID}.metainfo.xml")
set(icons "${STAGE}/share/icons/hicolor")
foreach(file IN ITEMS "${program}" "${desktop}" "${metainfo}" "${icons}/scalable/apps/${APP_ID}.svg"
                      "${STAGE}/share/man/man1/${EXECUTABLE}.1.gz" "${STAGE}/share/doc/${EXECUTABLE}/copyright"
                      "${STAGE}/share/doc/${EXECUTABLE}/changelog.gz")
    if(NOT EXISTS "${file}")
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

# Each bitmap icon is a PNG of its folder's size.
file(GLOB bitmaps "${icons}/*x*/apps/${APP_ID}.png")
if(NOT bitmaps)
    message(SEND_ERROR "no bitmap icons under ${icons}")
endif()
foreach(bitmap IN LISTS bitmaps)
    string(REGEX MATCH "/([0-9]+)x([0-9]+)/apps/" folder "${bitmap}")
    run_checked(type file -b "${bitmap}")
    if(NOT type MATCHES "^PNG image data, ${CMAKE_MATCH_1} x ${CMAKE_MATCH_2},")
        message(SEND_ERROR "${bitmap}: ${type}")
    endif()
endforeach()

# The validators must have nothing to say.
run_checked(report desktop-file-validate "${desktop}")
expect_equal("desktop-file-validate" "${report}" "")
# The reserved .example domain is unknown to the validator; it only notes that
# the id may not be a reverse domain name.
set(appstream_options --no-net --pedantic --strict --override=cid-maybe-not-rdns=pedantic)
run_checked(report appstreamcli validate ${appstream_options} "${metainfo}")
run_checked(report appstreamcli validate-tree ${appstream_options} "${STAGE}")

# One version: the program and its metadata state the project's version.
expect_version("${program}" "${PRODUCT_NAME} ${VERSION}")
file(READ "${metainfo}" metadata)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metadata}")
expect_equal("metainfo release" "${CMAKE_MATCH_1}" "${VERSION}")

# Nothing in the installed program points back into the build or source tree.
run_checked(dynamic readelf -d "${program}")
run_checked(libraries ldd "${program}")
foreach(tree IN ITEMS "${BUILD_DIR}" "${SOURCE_DIR}")
    string(FIND "${dynamic}${libraries}" "${tree}" at)
    if(NOT at EQUAL -1)
        message(SEND_ERROR "the installed program refers to ${tree}:\n${dynamic}${libraries}")
    endif()
endforeach()
if(libraries MATCHES "not found")
    message(SEND_ERROR "the installed program misses libraries:\n${libraries}")
endif()
