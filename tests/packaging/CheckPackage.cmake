# Builds the Debian package with cpack and checks its name, version, the
# dependencies found by dpkg-shlibdeps, its files, that the program in it runs,
# that its manual page lists what --help lists, and that lintian finds no error
# or warning in it.
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
                      "usr/share/man/man1/${PACKAGE}.1.gz"
                      "usr/share/doc/${PACKAGE}/copyright"
                      "usr/share/doc/${PACKAGE}/changelog.gz")
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
# The changelog's newest entry is for the project's version.
run_checked(changelog gzip -dc "${WORK}/root/usr/share/doc/${PACKAGE}/changelog.gz")
string(REGEX MATCH "^[^ ]+ \\(([^)]*)\\)" heading "${changelog}")
expect_equal("changelog version" "${CMAKE_MATCH_1}" "${VERSION}")

# man shows the page without a complaint, and it names every option that the
# program's --help lists, with its meaning.
set(program_environment ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
run_checked(help ${program_environment} "${WORK}/root/usr/bin/${PACKAGE}" --help)
run_checked(manual ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=200
            man --warnings -l "${WORK}/root/usr/share/man/man1/${PACKAGE}.1.gz")
expect_equal("man's warnings" "${manual_ERROR}" "")
string(TOLOWER "${manual}" manual)
string(REGEX REPLACE "[ \n]+" " " manual "${manual}")
string(REGEX MATCHALL "\n  --[^\n]+" options "${help}")
if(NOT options)
    message(SEND_ERROR "--help lists no options:\n${help}")
endif()
foreach(option IN LISTS options)
    string(REGEX MATCH "(--[a-z-]+) +(.+)" ignored "${option}")
    string(FIND "${manual}" "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}." at)
    if(at EQUAL -1)
        message(SEND_ERROR "the manual page lacks \"${CMAKE_MATCH_1} ${CMAKE_MATCH_2}\":\n${manual}")
    endif()
endforeach()

# Debian's own checker: no error and no warning (lintian's notes at info level
# do not count).
run_checked(report lintian --fail-on error,warning "${package}")
if(report MATCHES "(^|\n)[EW]: ")
    message(SEND_ERROR "lintian:\n${report}")
endif()
