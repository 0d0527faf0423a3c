# The program's icon is drawn once, as dist/<id>.svg; the PNG sizes of the
# hicolor theme and the window icon are rendered from it when CMake
# configures, and again whenever the drawing changes. Included by every
# folder that needs the variables; rendering is skipped when up to date.

set(VELLOMAR_APP_ID io.github.movra.Vellomar)
set(VELLOMAR_ICON_SVG ${PROJECT_SOURCE_DIR}/dist/${VELLOMAR_APP_ID}.svg)
set(VELLOMAR_ICON_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
set(VELLOMAR_ICON_SIZES 16 22 24 32 48 64 128 256)

find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) renders the program's icons; "
                        "scripts/setup installs it")
endif()

set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${VELLOMAR_ICON_SVG})

set(VELLOMAR_WINDOW_ICON_PNGS)
foreach(size IN LISTS VELLOMAR_ICON_SIZES)
    set(png ${VELLOMAR_ICON_DIR}/${size}x${size}/apps/${VELLOMAR_APP_ID}.png)
    if(NOT EXISTS ${png} OR ${VELLOMAR_ICON_SVG} IS_NEWER_THAN ${png})
        file(MAKE_DIRECTORY ${VELLOMAR_ICON_DIR}/${size}x${size}/apps)
        execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${VELLOMAR_ICON_SVG}
                        RESULT_VARIABLE result ERROR_VARIABLE error)
        if(NOT result EQUAL 0)
            file(REMOVE ${png})
            message(FATAL_ERROR "rendering the ${size} px icon failed: ${error}")
        endif()
    endif()
    # The window carries only title-bar and task-bar sizes: the window
    # system gets every size at the first show, decoded. Larger views take
    # the installed theme icon.
    if(size LESS_EQUAL 64)
        list(APPEND VELLOMAR_WINDOW_ICON_PNGS ${png})
    endif()
endforeach()
