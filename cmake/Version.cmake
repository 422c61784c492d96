# The newest entry of the Debian changelog is the one definition of the version: the
# game's --version, the man pages, the metainfo, the Windows zip and the page take it
# from here. Any Debian version: [EPOCH:]UPSTREAM[-REVISION], with ~ and + where Debian
# allows them.
#   TRAVOLK_VERSION           the whole version, as "1:1.0.1-2+b1"
#   TRAVOLK_UPSTREAM_VERSION  without the epoch and the revision, as "1.0.1"
#   TRAVOLK_VERSION_NUMBERS   the numbers it starts with, as CMake's project() takes them
#   TRAVOLK_RELEASE_DATE      its date, as "2026-12-08"
# TRAVOLK_CHANGELOG names another changelog (the tests').
if(NOT TRAVOLK_CHANGELOG)
    set(TRAVOLK_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TRAVOLK_CHANGELOG})
endif()
file(STRINGS ${TRAVOLK_CHANGELOG} entry_lines REGEX "^travolk |^ -- " LIMIT_COUNT 2)
list(GET entry_lines 0 heading)
list(GET entry_lines 1 trailer)
if(NOT heading MATCHES "^travolk \\(([0-9]+:)?([0-9][A-Za-z0-9.+~-]*)\\) ")
    message(FATAL_ERROR "The changelog's newest entry has no Debian version: ${heading}")
endif()
set(TRAVOLK_VERSION ${CMAKE_MATCH_1}${CMAKE_MATCH_2})
# the revision follows the last hyphen; an upstream version without one has none
string(REGEX REPLACE "-[A-Za-z0-9.+~]+$" "" TRAVOLK_UPSTREAM_VERSION "${CMAKE_MATCH_2}")
string(REGEX MATCH "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?" TRAVOLK_VERSION_NUMBERS "${TRAVOLK_UPSTREAM_VERSION}")
if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "The changelog's newest entry has no date: ${trailer}")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(TRAVOLK_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
