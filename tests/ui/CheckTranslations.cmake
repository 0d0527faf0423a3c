# Fails when a catalogue in translations/ is not current with the sources
# (a text added, changed or removed since lupdate last ran) or holds an
# entry without a translation. Run with -DLUPDATE=... -DLUPDATE_ARGS=...
# -DWORK_DIR=... -DTS_FILES=a.ts;b.ts
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK_DIR}/${name})
    file(MAKE_DIRECTORY ${WORK_DIR})
    file(COPY_FILE ${ts} ${copy})
    execute_process(
        COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${copy}
        RESULT_VARIABLE status
        ERROR_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${ts} before)
    file(READ ${copy} after)
    if(NOT before STREQUAL after)
        message(FATAL_ERROR "${name} is not current with the sources: run "
                            "'cmake --build build --target vellomar-lupdate' and translate "
                            "the new entries")
    endif()
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"(unfinished|vanished|obsolete)\""
           open "${after}")
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation( type=\"[a-z]+\")?>[ \t\r\n]*</translation>"
           empty "${after}")
    string(REGEX MATCHALL "<translation[^>]*/>" bare "${after}")
    if(open OR empty OR bare)
        string(REPLACE ";" "\n" open "${open};${empty};${bare}")
        message(FATAL_ERROR "${name} has entries without a translation:\n${open}")
    endif()
endforeach()
