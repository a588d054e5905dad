# SPDX-License-Identifier: MIT
# At the fractional scales a screen may ask for, the window is drawn at a whole scale, so that every control
# stays on whole device pixels and the pictures stay sharp: 1.25 at 1, 1.5 and 1.75 at 2.
foreach(case "120;690;524" "144;1380;1048" "168;1380;1048")
    list(GET case 0 dpi)
    list(GET case 1 width)
    list(GET case 2 height)
    set(config ${WORK_DIR}/screen-${dpi}.json)
    file(WRITE ${config} "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": 3000, \"height\": 2000, "
                         "\"logicalDpi\": ${dpi}, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
    set(shot ${WORK_DIR}/window-${dpi}.png)
    execute_process(COMMAND env QT_QPA_PLATFORM=offscreen:configfile=${config} ${SCREENSHOT} ${shot}
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the screenshot at ${dpi} dpi failed")
    endif()
    # A PNG's width and height are the two big-endian words after its 16-byte signature and chunk header.
    file(READ ${shot} header LIMIT 8 OFFSET 16 HEX)
    string(SUBSTRING "${header}" 0 8 shotWidth)
    string(SUBSTRING "${header}" 8 8 shotHeight)
    math(EXPR shotWidth "0x${shotWidth}")
    math(EXPR shotHeight "0x${shotHeight}")
    if(NOT shotWidth EQUAL width OR NOT shotHeight EQUAL height)
        message(FATAL_ERROR "at ${dpi} dpi the window is ${shotWidth} x ${shotHeight}, not ${width} x ${height}")
    endif()
endforeach()
