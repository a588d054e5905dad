# SPDX-License-Identifier: MIT
# The Windows resource script compiles with the MinGW resource compiler, and what it compiles to carries the
# program's names, version, and icon group 1 of images 30001 and 30002 (read back by decompiling it). The
# names and the version are the project's own (PROGRAM_NAME, PRODUCT_NAME, VERSION, VERSION_TEXT).
string(REPLACE "." ", " version_numbers "${VERSION}")
execute_process(COMMAND x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-E ${RC_FILE}
                        -O res -o ${WORK_DIR}/Tirobol.res
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "windres could not compile ${RC_FILE}:\n${errors}")
endif()
execute_process(COMMAND x86_64-w64-mingw32-windres -i ${WORK_DIR}/Tirobol.res -O rc OUTPUT_VARIABLE compiled)
foreach(expected
        "LANGUAGE 10, 3"
        "1 14 /* RT_GROUP_ICON */"
        "Has 2 elements"
        "\"\\040\\040\\020\\000\", 1, 4, 0x2e8L, 30001,"
        "\"\\020\\020\\020\\000\", 1, 4, 0x128L, 30002"
        "30001 3 /* RT_ICON */"
        "30002 3 /* RT_ICON */"
        " FILEVERSION ${version_numbers}\n"
        " PRODUCTVERSION ${version_numbers}\n"
        " FILEOS 0x4\n"
        " FILETYPE 0x1\n"
        "BLOCK \"0C0A04B0\""
        "VALUE \"ProductName\", \"${PRODUCT_NAME}\"\n"
        "VALUE \"FileVersion\", \"${VERSION_TEXT}\"\n"
        "VALUE \"ProductVersion\", \"${VERSION_TEXT}\"\n"
        "VALUE \"InternalName\", \"${PROGRAM_NAME}\"\n"
        "VALUE \"OriginalFilename\", \"${PROGRAM_NAME}.exe\"\n"
        "VALUE \"Translation\", 0xc0a, 1200\n")
    string(FIND "${compiled}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the compiled resource lacks: ${expected}")
    endif()
endforeach()
string(FIND "${compiled}" "FILEFLAGS 0x" flags)
if(NOT flags EQUAL -1)
    message(FATAL_ERROR "the compiled resource carries file flags")
endif()
