# SPDX-License-Identifier: MIT
# The program started with no display at all: one Spanish line on standard error, status 1, no abort.
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE ${PROGRAM}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE output
                ERROR_VARIABLE errors
                TIMEOUT 30)
set(expected "Tirobol necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse.\n")
if(NOT status STREQUAL "1")
    message(FATAL_ERROR "expected exit status 1, got '${status}'")
endif()
if(NOT output STREQUAL "" OR NOT errors STREQUAL expected)
    message(FATAL_ERROR "expected only the one line on standard error, got:\n[${output}]\n[${errors}]")
endif()
