# The usage text (src/app/Usage.txt) is the one list of the command's options: the game
# prints it, and the man page and the Windows README are made from it.
#   TRAVOLK_USAGE          the whole text
#   TRAVOLK_USAGE_OPTIONS  its option lines, as they are
#   TRAVOLK_MAN_OPTIONS    the same as man page paragraphs
set(usage_file ${CMAKE_SOURCE_DIR}/src/app/Usage.txt)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${usage_file})
file(READ ${usage_file} TRAVOLK_USAGE)

set(TRAVOLK_USAGE_OPTIONS "")
set(TRAVOLK_MAN_OPTIONS "")
# "  --name ARG  what it does", the argument optional
string(REGEX MATCHALL "\n  --[^\n]+" option_lines "${TRAVOLK_USAGE}")
foreach(line IN LISTS option_lines)
    string(SUBSTRING "${line}" 1 -1 line)
    if(NOT line MATCHES "^  --([a-z]+)( [A-Z]+)?  +(.+)$")
        message(FATAL_ERROR "An option line of ${usage_file} is not '  --name [ARG]  text': ${line}")
    endif()
    set(name "\\-\\-${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" argument)
    set(text "${CMAKE_MATCH_3}")
    string(APPEND TRAVOLK_USAGE_OPTIONS "${line}\n")
    if(NOT argument STREQUAL "")
        string(APPEND TRAVOLK_MAN_OPTIONS ".TP\n.BI ${name} \" ${argument}\"\n")
    else()
        string(APPEND TRAVOLK_MAN_OPTIONS ".TP\n.B ${name}\n")
    endif()
    # a sentence: a capital first letter and a full stop
    string(SUBSTRING "${text}" 0 1 first)
    string(TOUPPER "${first}" first)
    string(SUBSTRING "${text}" 1 -1 rest)
    string(APPEND TRAVOLK_MAN_OPTIONS "${first}${rest}.\n")
endforeach()
