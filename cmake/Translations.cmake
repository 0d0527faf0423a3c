# Qt's translation tools (Debian qt6-l10n-tools). The program's texts are
# written in Japanese; translations/ holds a catalogue per other language.
find_program(VELLOMAR_LRELEASE NAMES lrelease
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(VELLOMAR_LRELEASE NAMES lrelease-qt6 lrelease REQUIRED)
find_program(VELLOMAR_LUPDATE NAMES lupdate
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(VELLOMAR_LUPDATE NAMES lupdate-qt6 lupdate REQUIRED)

set(VELLOMAR_TRANSLATIONS ${PROJECT_SOURCE_DIR}/translations/vellomar_en.ts)
# The one way the catalogues are written, shared by the refresh target and
# the test that they are current: no line numbers, so that an edit elsewhere
# in a file leaves them unchanged.
set(VELLOMAR_LUPDATE_ARGS -silent -locations none -no-obsolete -source-language ja
    ${PROJECT_SOURCE_DIR}/src)

# Compiles every catalogue with lrelease and builds the results into
# `target` under :/i18n/.
function(vellomar_add_translations target)
    set(qm_files)
    foreach(ts ${VELLOMAR_TRANSLATIONS})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
            COMMAND ${VELLOMAR_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            COMMENT "Compiling ${name}.ts"
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} vellomar_translations PREFIX /i18n
                     BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${qm_files})
    # `cmake --build build --target vellomar-lupdate` refreshes the catalogues
    # from the sources; the translations are then filled in by hand.
    add_custom_target(vellomar-lupdate
        COMMAND ${VELLOMAR_LUPDATE} ${VELLOMAR_LUPDATE_ARGS} -ts ${VELLOMAR_TRANSLATIONS}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        VERBATIM)
endfunction()
