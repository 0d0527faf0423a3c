# Runs "CLI OPTION" and writes what it prints to OUTPUT; a failed run leaves
# no half-written file behind.
execute_process(COMMAND ${EMULATOR} ${CLI} ${OPTION}
                OUTPUT_FILE ${OUTPUT}.part
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE ${OUTPUT}.part)
    message(FATAL_ERROR "${CLI} ${OPTION} failed: ${result}")
endif()
file(RENAME ${OUTPUT}.part ${OUTPUT})
