# SPDX-License-Identifier: MIT
# The shipped pictures are what make-assets makes from their sources. What its own code draws (the icons) must
# match byte for byte. What librsvg renders from SVG must match in format (the same header bytes: kind, size,
# depth, colour table, JFIF version) and in pixels within a tolerance, since librsvg's versions antialias an
# edge a level apart, and the JPEG encoder carries that to a few levels more: no channel more than
# MAX_LEVELS apart, and no more than MEAN_LEVELS on average. A wrong source, colour, size or position is far
# beyond that.
set(MAX_LEVELS 16)
set(MEAN_LEVELS 0.5)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${SOURCE_DIR}/assets/make-assets ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "assets/make-assets failed (${status}); it needs rsvg-convert, cjpeg and python3")
endif()
foreach(picture tirobol.ico icon-16.png icon-32.png icon-48.png icon-64.png icon-128.png icon-256.png icon.svg)
    file(SHA256 ${SOURCE_DIR}/assets/${picture} shipped)
    file(SHA256 ${WORK_DIR}/${picture} made)
    if(NOT shipped STREQUAL made)
        message(SEND_ERROR "assets/${picture} differs from what make-assets makes from its source")
    endif()
endforeach()
# Each format's header: a bitmap's file and information headers, a GIF's signature and screen descriptor, a
# JPEG's start and JFIF segment.
foreach(picture_and_header ball.bmp:54 ball@2x.bmp:54 title.gif:13 title@2x.gif:13 photo.jpg:20 photo@2x.jpg:20)
    string(REPLACE ":" ";" picture_and_header ${picture_and_header})
    list(GET picture_and_header 0 picture)
    list(GET picture_and_header 1 header_bytes)
    file(READ ${SOURCE_DIR}/assets/${picture} shipped LIMIT ${header_bytes} HEX)
    file(READ ${WORK_DIR}/${picture} made LIMIT ${header_bytes} HEX)
    if(NOT shipped STREQUAL made)
        message(SEND_ERROR "assets/${picture}: make-assets writes another header: ${made}, not ${shipped}")
    endif()
    execute_process(COMMAND ${SAME_PIXELS} ${SOURCE_DIR}/assets/${picture} ${WORK_DIR}/${picture} ${MAX_LEVELS}
                            ${MEAN_LEVELS} RESULT_VARIABLE different)
    if(different)
        message(SEND_ERROR "assets/${picture}: its pixels differ from what make-assets makes from its source")
    endif()
endforeach()
