# SPDX-License-Identifier: MIT
# Fails when any C++ file of the project is not formatted as .clang-format says.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/game/*.cpp ${SOURCE_DIR}/game/*.h
     ${SOURCE_DIR}/startup/*.cpp ${SOURCE_DIR}/startup/*.h
     ${SOURCE_DIR}/window/*.cpp ${SOURCE_DIR}/window/*.h
     ${SOURCE_DIR}/assets/*.cpp ${SOURCE_DIR}/assets/*.h
     ${SOURCE_DIR}/runtime/*.cpp ${SOURCE_DIR}/runtime/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
     ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Some files are not formatted; run: clang-format -i on the files named above")
endif()
list(LENGTH sources count)
message(STATUS "${count} files are formatted")
