# SPDX-License-Identifier: MIT
# `cmake --install` into a staging folder: exactly the expected files, and the desktop files valid.
file(REMOVE_RECURSE ${STAGING})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGING} OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

file(GLOB_RECURSE installed RELATIVE ${STAGING} ${STAGING}/*)
list(SORT installed)
set(expected
    bin/Tirobol
    share/applications/${APP_ID}.desktop
    share/doc/tirobol/copyright
    share/icons/hicolor/16x16/apps/${APP_ID}.png
    share/icons/hicolor/32x32/apps/${APP_ID}.png
    share/metainfo/${APP_ID}.metainfo.xml)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()

foreach(check "desktop-file-validate;${STAGING}/share/applications/${APP_ID}.desktop"
              "appstreamcli;validate;--no-net;${STAGING}/share/metainfo/${APP_ID}.metainfo.xml")
    execute_process(COMMAND ${check} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${check} failed (${status}):\n${output}")
    endif()
endforeach()
