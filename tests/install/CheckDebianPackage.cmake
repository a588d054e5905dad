# SPDX-License-Identifier: MIT
# The .deb that CPack builds: its fields and files; installed (when run as root) it puts a program on the
# PATH that starts offscreen.
file(REMOVE_RECURSE ${PACKAGE_DIR})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${PACKAGE_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs ${PACKAGE_DIR}/tirobol_*.deb)
if(NOT status EQUAL 0 OR NOT debs)
    message(FATAL_ERROR "cpack did not build the package:\n${output}")
endif()
list(GET debs 0 deb)

function(expect_field field pattern)
    execute_process(COMMAND dpkg-deb --field ${deb} ${field} OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT value MATCHES "${pattern}")
        message(FATAL_ERROR "${field}: '${value}' does not match '${pattern}'")
    endif()
endfunction()
expect_field(Package "^tirobol$")
expect_field(Version "^1\\.00$")
expect_field(Section "^games$")
expect_field(Architecture "^amd64|arm64|i386|armhf$")
expect_field(Depends "libqt6widgets6")
expect_field(Depends "libc6")

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents)
foreach(path ./usr/bin/Tirobol ./usr/share/applications/${APP_ID}.desktop ./usr/share/metainfo/${APP_ID}.metainfo.xml
             ./usr/share/icons/hicolor/16x16/apps/${APP_ID}.png ./usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
             ./usr/share/doc/tirobol/copyright)
    string(FIND "${contents}" " ${path}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}:\n${contents}")
    endif()
endforeach()

execute_process(COMMAND id -u OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT user STREQUAL "0")
    message(STATUS "not root: the package was not installed")
    return()
endif()
execute_process(COMMAND dpkg -i ${deb} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg -i failed:\n${output}")
endif()
# Started offscreen, the program is still running when `timeout` stops it (status 124): it did not fail.
execute_process(COMMAND env QT_QPA_PLATFORM=offscreen timeout 3 Tirobol RESULT_VARIABLE started ERROR_VARIABLE errors)
execute_process(COMMAND which Tirobol OUTPUT_VARIABLE where OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND dpkg -r tirobol OUTPUT_QUIET ERROR_QUIET)
if(NOT where STREQUAL "/usr/bin/Tirobol")
    message(FATAL_ERROR "the installed program is not on the PATH: '${where}'")
endif()
if(NOT started EQUAL 124)
    message(FATAL_ERROR "the installed program did not keep running offscreen (status ${started}):\n${errors}")
endif()
