# The game's font with only the characters the game draws, for the browser's site, made by
# Debian's fonttools (tools/font/subset_font.py) from the font the desktop uses.
#   travolk_subset_font(OUTPUT TARGET)  makes OUTPUT, built by the custom target TARGET
set(TRAVOLK_FONTTOOLS_PYTHON /usr/bin/python3 CACHE FILEPATH "A Python with fontTools (Debian's fonttools package)")
execute_process(COMMAND ${TRAVOLK_FONTTOOLS_PYTHON} -c "import fontTools.subset"
    RESULT_VARIABLE fonttools_missing OUTPUT_QUIET ERROR_QUIET)
if(fonttools_missing)
    message(FATAL_ERROR "${TRAVOLK_FONTTOOLS_PYTHON} cannot import fontTools (install Debian's fonttools package)")
endif()

function(travolk_subset_font output target)
    set(script ${CMAKE_SOURCE_DIR}/tools/font/subset_font.py)
    get_filename_component(folder ${output} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    add_custom_command(OUTPUT ${output}
        COMMAND ${TRAVOLK_FONTTOOLS_PYTHON} ${script} ${TRAVOLK_FONT_SOURCE} ${output}
        DEPENDS ${script} ${TRAVOLK_FONT_SOURCE}
        COMMENT "The font's subset for the browser"
        VERBATIM)
    add_custom_target(${target} DEPENDS ${output})
endfunction()
