# SPDX-License-Identifier: MIT
# At each common desktop setting the window is drawn at a whole scale and fits the screen with a title bar of
# up to 40 pixels (scaled too), and the rendering mid-shot, prompt showing, is the README's picture for that
# scale pixel for pixel: colours, text, alignment, pictures and the target.
set(title_bar 40)

# The setting as the screen's logical dpi (96 for 1, 120 for 1.25 ... 240 for 2.5), or as a toolkit
# variable such as QT_SCALE_FACTOR=1.5 on a screen of 96 dpi.
function(check_scale screen_width screen_height setting_dpi variable scale)
    set(name ${screen_width}x${screen_height}-at-${setting_dpi}dpi${variable})
    set(config ${WORK_DIR}/${name}.json)
    file(WRITE ${config} "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ${screen_width}, "
                         "\"height\": ${screen_height}, \"logicalDpi\": ${setting_dpi}, \"logicalBaseDpi\": 96, "
                         "\"dpr\": 1}]}")
    set(shot ${WORK_DIR}/${name}.png)
    execute_process(COMMAND env QT_QPA_PLATFORM=offscreen:configfile=${config} ${variable} ${SCREENSHOT} ${shot}
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "the screenshot at ${name} failed")
    endif()
    # A PNG's width and height are the two big-endian words after its 16-byte signature and chunk header.
    file(READ ${shot} header LIMIT 8 OFFSET 16 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    math(EXPR expected_width "690 * ${scale}")
    math(EXPR expected_height "524 * ${scale}")
    math(EXPR framed_height "${height} + ${title_bar} * ${scale}")
    if(NOT width EQUAL expected_width OR NOT height EQUAL expected_height)
        message(FATAL_ERROR "${name}: the window is ${width} x ${height}, not ${expected_width} x ${expected_height}")
    endif()
    if(width GREATER screen_width OR framed_height GREATER screen_height)
        message(FATAL_ERROR "${name}: the window with its title bar does not fit the screen")
    endif()
    set(reference ${SOURCE_DIR}/docs/screenshot.png)
    if(scale EQUAL 2)
        set(reference ${SOURCE_DIR}/docs/screenshot@2x.png)
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${shot} ${reference} RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name}: the rendering ${shot} differs from ${reference}")
    endif()
endfunction()

check_scale(1366 768 96 "" 1)
check_scale(1366 768 120 "" 1)
check_scale(1920 1080 96 "" 1)
check_scale(1920 1080 120 "" 1)
check_scale(1920 1080 144 "" 1)
check_scale(2560 1440 144 "" 1)
check_scale(2560 1440 168 "" 2)
check_scale(2560 1440 192 "" 2)
check_scale(3840 2160 192 "" 2)
check_scale(3840 2160 240 "" 2)
check_scale(1920 1080 96 QT_SCALE_FACTOR=1.5 1)
check_scale(2560 1440 96 QT_SCREEN_SCALE_FACTORS=1.75 2)
