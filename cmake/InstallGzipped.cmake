# Installs files compressed as Debian wants its manual pages and changelog:
# gzip -9n, so that the package does not change with the build time.
# Included, it defines vellomar_install_gzipped(); run with -P, it compresses
# INPUT into OUTPUT.
if(CMAKE_SCRIPT_MODE_FILE)
    execute_process(COMMAND ${GZIP} -9n -c ${INPUT} OUTPUT_FILE ${OUTPUT}.part
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        file(REMOVE ${OUTPUT}.part)
        message(FATAL_ERROR "gzip ${INPUT} failed: ${result}")
    endif()
    file(RENAME ${OUTPUT}.part ${OUTPUT})
    return()
endif()

find_program(VELLOMAR_GZIP gzip REQUIRED)

# vellomar_install_gzipped(<target> <file> <destination>): builds <file>.gz
# with <target> (the whole build) and installs it into <destination>.
function(vellomar_install_gzipped target file destination)
    get_filename_component(name ${file} NAME)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/gz/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gz
        COMMAND ${CMAKE_COMMAND} -DGZIP=${VELLOMAR_GZIP} -DINPUT=${file} -DOUTPUT=${output}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        DEPENDS ${file} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Compressing ${name}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
    install(FILES ${output} DESTINATION ${destination})
endfunction()
