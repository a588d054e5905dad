# SPDX-License-Identifier: MIT
# At each common desktop setting the window is drawn at the largest whole scale, no larger than the setting's,
# at which it fits the screen with a frame of a 40-pixel title bar and 4-pixel borders (scaled too), and the
# rendering mid-shot, prompt showing, is the README's picture for that scale pixel for pixel (the pixels, not
# the files' bytes): colours, text, alignment, pictures and the target.
set(frame_width 8)
set(frame_height 44)

# The setting as the screen's logical dpi (96 for 1, 120 for 1.25 ... 240 for 2.5), or as a toolkit
# variable such as QT_SCALE_FACTOR=1.5 on a screen of 96 dpi. The screen is named "screen". With SIZE_ONLY
# after the scale, only the window's size is checked.
function(check_scale screen_width screen_height setting_dpi variable scale)
    string(MAKE_C_IDENTIFIER "${screen_width}x${screen_height}-at-${setting_dpi}dpi${variable}" name)
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
    math(EXPR framed_width "${width} + ${frame_width} * ${scale}")
    math(EXPR framed_height "${height} + ${frame_height} * ${scale}")
    if(NOT width EQUAL expected_width OR NOT height EQUAL expected_height)
        message(FATAL_ERROR "${name}: the window is ${width} x ${height}, not ${expected_width} x ${expected_height}")
    endif()
    if(framed_width GREATER screen_width OR framed_height GREATER screen_height)
        message(FATAL_ERROR "${name}: the window with its frame does not fit the screen")
    endif()
    if(ARGN STREQUAL "SIZE_ONLY")
        return()
    endif()
    set(reference ${SOURCE_DIR}/docs/screenshot.png)
    if(scale EQUAL 2)
        set(reference ${SOURCE_DIR}/docs/screenshot@2x.png)
    endif()
    execute_process(COMMAND ${SAME_PIXELS} ${shot} ${reference} RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name}: the rendering ${shot} differs from ${reference}")
    endif()
endfunction()

check_scale(1366 768 48 "" 1)
check_scale(1366 768 96 "" 1)
check_scale(1366 768 120 "" 1)
check_scale(1366 768 192 "" 1)
check_scale(1920 1080 96 "" 1)
check_scale(1920 1080 120 "" 1)
check_scale(1920 1080 144 "" 1)
check_scale(1920 1080 168 "" 1)
check_scale(1920 1080 192 "" 1)
check_scale(2560 1440 144 "" 1)
check_scale(2560 1440 168 "" 2)
check_scale(2560 1440 192 "" 2)
check_scale(3840 2160 192 "" 2)
check_scale(3840 2160 240 "" 2)
check_scale(1920 1080 96 QT_SCALE_FACTOR=1.5 1)
check_scale(2560 1440 96 QT_SCALE_FACTOR=1.5 1)
check_scale(2560 1440 96 QT_SCREEN_SCALE_FACTORS=1.75 2)
check_scale(2560 1440 96 "QT_SCREEN_SCALE_FACTORS=DP-1=1.25\\;screen=1.75" 2)
check_scale(1920 1080 96 QT_SCALE_FACTOR=1000 1)
check_scale(1920 1080 96 QT_SCALE_FACTOR=0.5 1)
check_scale(1920 1080 96 QT_SCREEN_SCALE_FACTORS=0.74 1)
check_scale(1920 1080 96 QT_SCALE_FACTOR=0.99 1)
# The frame grows with the scale; screen factors are dropped when starting again; a factor too large to
# measure the screen by, infinity included, falls back all the same.
check_scale(1920 1130 192 "" 1)
# A screen exactly as large as the framed window.
check_scale(698 568 96 "" 1 SIZE_ONLY)
# Started again after screen factors, the toolkit still draws its text unhinted, as at a larger scale.
check_scale(1366 768 96 QT_SCREEN_SCALE_FACTORS=2 1 SIZE_ONLY)
check_scale(2560 1440 96 QT_SCALE_FACTOR=3 2)
check_scale(1280 1024 96 QT_SCALE_FACTOR=2049 1)
check_scale(1280 1024 96 QT_SCALE_FACTOR=inf 1)
