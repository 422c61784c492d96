# The version read from the changelog's newest entry, for every form a Debian version
# takes: an epoch, a revision, a binNMU's suffix, ~ and +. Run with cmake -P.
set(cases
    "1.0.0|1.0.0|1.0.0|1.0.0"
    "1:1.0.1-2+b1|1:1.0.1-2+b1|1.0.1|1.0.1"
    "1.0.1-2|1.0.1-2|1.0.1|1.0.1"
    "2.0~rc1-1|2.0~rc1-1|2.0~rc1|2.0"
    "1.2.3+dfsg-4~bpo12+1|1.2.3+dfsg-4~bpo12+1|1.2.3+dfsg|1.2.3"
    "3:4.5.6.7-1.1|3:4.5.6.7-1.1|4.5.6.7|4.5.6.7"
    "1.0-rc1-3|1.0-rc1-3|1.0-rc1|1.0")
set(TRAVOLK_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/version-test-changelog)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 version)
    list(GET case 1 whole)
    list(GET case 2 upstream)
    list(GET case 3 numbers)
    file(WRITE ${TRAVOLK_CHANGELOG} "travolk (${version}) unstable; urgency=medium\n\n  * A release.\n\n"
         " -- A Maintainer <maintainer@example.org>  Tue, 08 Dec 2026 12:00:00 +0000\n")
    include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/Version.cmake)
    set(got "${TRAVOLK_VERSION}|${TRAVOLK_UPSTREAM_VERSION}|${TRAVOLK_VERSION_NUMBERS}|${TRAVOLK_RELEASE_DATE}")
    set(wanted "${whole}|${upstream}|${numbers}|2026-12-08")
    if(NOT got STREQUAL wanted)
        message(SEND_ERROR "${version}: ${got}, not ${wanted}")
    endif()
endforeach()
file(REMOVE ${TRAVOLK_CHANGELOG})
