# Builds the Debian package with cpack and checks its name, version, the
# dependencies found by dpkg-shlibdeps, its files, and that the program in it
# runs.
include(${CMAKE_CURRENT_LIST_DIR}/Checks.cmake)

file(REMOVE_RECURSE "${WORK}")
run_checked(ignored "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK}")

run_checked(architecture dpkg --print-architecture)
string(STRIP "${architecture}" architecture)
set(package "${WORK}/${PACKAGE}_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${package}")
    file(GLOB made "${WORK}/*.deb")
    message(FATAL_ERROR "expected ${package}, cpack made: ${made}")
endif()

run_checked(name dpkg-deb -f "${package}" Package)
expect_equal("Package" "${name}" "${PACKAGE}\n")
run_checked(version dpkg-deb -f "${package}" Version)
expect_equal("Version" "${version}" "${VERSION}\n")
run_checked(depends dpkg-deb -f "${package}" Depends)
foreach(library IN ITEMS libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6)
    if(NOT depends MATCHES "(^|, )${library} ")
        message(SEND_ERROR "Depends lacks ${library}: ${depends}")
    endif()
endforeach()

run_checked(listing dpkg-deb -c "${package}")
foreach(file IN ITEMS "usr/bin/${PACKAGE}"
                      "usr/share/applications/${APP_ID}.desktop"
                      "usr/share/metainfo/${APP_ID}.metainfo.xml"
                      "usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
                      "usr/share/icons/hicolor/48x48/apps/${APP_ID}.png"
                      "usr/share/doc/${PACKAGE}/copyright")
    string(FIND "${listing}" " ./${file}\n" at)
    if(at EQUAL -1)
        message(SEND_ERROR "${file} is not in the package:\n${listing}")
    endif()
endforeach()
if(listing MATCHES " \\./(usr/local|opt|home|root|tmp)/")
    message(SEND_ERROR "the package installs outside /usr:\n${listing}")
endif()

run_checked(ignored dpkg-deb -x "${package}" "${WORK}/root")
expect_version("${WORK}/root/usr/bin/${PACKAGE}" "${PRODUCT_NAME} ${VERSION}")
