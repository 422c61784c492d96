# The newest entry of the Debian changelog is the one definition of the version: the
# game's --version, the man pages, the metainfo, the Windows zip and the page take it
# from here.
#   TRAVOLK_VERSION       its version, as "1.0.0"
#   TRAVOLK_RELEASE_DATE  its date, as "2026-12-08"
set(changelog ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} entry_lines REGEX "^travolk |^ -- " LIMIT_COUNT 2)
list(GET entry_lines 0 heading)
list(GET entry_lines 1 trailer)
if(NOT heading MATCHES "^travolk \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
    message(FATAL_ERROR "The changelog's newest entry has no version N.N.N: ${heading}")
endif()
set(TRAVOLK_VERSION ${CMAKE_MATCH_1})
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
