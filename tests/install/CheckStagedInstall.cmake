# SPDX-License-Identifier: MIT
# `cmake --install` into a staging folder: exactly the expected files, the manual page clean to mandoc where
# it is installed (MANDOC), and where the validators are installed (VALIDATE), the desktop files valid and a software centre's catalogue, composed from them as GNOME Software's
# and KDE Discover's are, listing the game with its 64 and 128 px icons.
file(REMOVE_RECURSE ${STAGING})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGING} OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

file(GLOB_RECURSE installed RELATIVE ${STAGING} ${STAGING}/*)
list(SORT installed)
set(expected ${BINDIR}/Tirobol ${BINDIR}/tirobol ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/doc/tirobol/LICENSE)
foreach(size 128 16 256 32 48 64)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(APPEND expected ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg ${MANDIR}/man6/Tirobol.6
     ${MANDIR}/man6/tirobol.6 ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()
# The lower-case command and its page are links to the program and its page.
foreach(link ${BINDIR}/tirobol:Tirobol ${MANDIR}/man6/tirobol.6:Tirobol.6)
    string(REPLACE ":" ";" link ${link})
    list(GET link 0 path)
    list(GET link 1 target)
    file(READ_SYMLINK ${STAGING}/${path} actual)
    if(NOT actual STREQUAL target)
        message(FATAL_ERROR "${path} links to '${actual}', not ${target}")
    endif()
endforeach()

# The manual page and the metainfo name the version as the program's --version does.
file(READ ${STAGING}/${MANDIR}/man6/Tirobol.6 page)
file(READ ${STAGING}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT page MATCHES "\n\\.TH TIROBOL 6 [^\n]* \"${PRODUCT_NAME} ${VERSION_TEXT}\" " OR
   NOT metainfo MATCHES "<release version=\"${VERSION_TEXT}\"")
    message(FATAL_ERROR "the manual page's footer or the metainfo's release is not version ${VERSION_TEXT}")
endif()

# The manual page has nothing mandoc would warn of, down to matters of style.
if(MANDOC)
    execute_process(COMMAND ${MANDOC} -Tlint -W style ${STAGING}/${MANDIR}/man6/Tirobol.6
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "mandoc -Tlint -W style:\n${output}")
    endif()
endif()

if(NOT VALIDATE)
    return()
endif()
set(catalogue ${STAGING}-catalogue)
file(REMOVE_RECURSE ${catalogue})
foreach(check "desktop-file-validate;${STAGING}/share/applications/${APP_ID}.desktop"
              "appstreamcli;validate;--no-net;--pedantic;${STAGING}/share/metainfo/${APP_ID}.metainfo.xml"
              "appstreamcli;compose;--no-net;--prefix=/;--origin=tirobol;--result-root=${catalogue};${STAGING}")
    execute_process(COMMAND ${check} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${check} failed (${status}):\n${output}")
    endif()
endforeach()

file(GLOB catalogues ${catalogue}/share/swcatalog/xml/*.xml.gz ${catalogue}/share/app-info/xmls/*.xml.gz)
if(NOT catalogues)
    message(FATAL_ERROR "appstreamcli compose wrote no catalogue")
endif()
execute_process(COMMAND gzip -dc ${catalogues} OUTPUT_VARIABLE composed)
foreach(expected "<id>${APP_ID}</id>" "<icon type=\"cached\" width=\"64\" height=\"64\">"
                 "<icon type=\"cached\" width=\"128\" height=\"128\">")
    string(FIND "${composed}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the composed catalogue lacks ${expected}:\n${composed}")
    endif()
endforeach()
