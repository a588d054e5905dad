# SPDX-License-Identifier: MIT
# What the program says when it starts, by case: its exit status, its standard output and error (each a
# regular expression for the whole stream; "" for nothing), never an abort or a window that cannot be used.
cmake_policy(VERSION 3.25)
set(runtime_dir ${WORK_DIR}/runtime)
file(MAKE_DIRECTORY ${runtime_dir})
file(CHMOD ${runtime_dir} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# expect(NAME STATUS OUT ERR [VAR=VALUE ...] -- [ARGUMENT ...]); "XDG_RUNTIME_DIR=" unsets it.
function(expect name status out err)
    set(environment)
    set(arguments)
    set(target environment)
    foreach(item ${ARGN})
        if(item STREQUAL "--" AND target STREQUAL "environment")
            set(target arguments)
        else()
            list(APPEND ${target} "${item}")
        endif()
    endforeach()
    set(runtime XDG_RUNTIME_DIR=${runtime_dir})
    if("XDG_RUNTIME_DIR=" IN_LIST environment)
        set(runtime -u XDG_RUNTIME_DIR)
        list(REMOVE_ITEM environment "XDG_RUNTIME_DIR=")
    endif()
    execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE ${runtime}
                            ${environment} ${PROGRAM} ${arguments}
                    RESULT_VARIABLE actual_status OUTPUT_VARIABLE actual_out ERROR_VARIABLE actual_err TIMEOUT 30)
    if(NOT actual_status STREQUAL status OR NOT actual_out MATCHES "^${out}$" OR NOT actual_err MATCHES "^${err}$")
        message(SEND_ERROR "${name}: status '${actual_status}' (expected ${status})\n"
                           "standard output: [${actual_out}]\nstandard error: [${actual_err}]")
    endif()
endfunction()

set(line "[^\n]*\n")
set(no_display "Tirobol necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse.\n")
set(unknown "; «Tirobol --help» muestra las opciones.\n")
expect("no display at all" 1 "" "${no_display}" --)
if(WAYLAND)
    expect("no Wayland compositor" 1 "" "${no_display}" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tirobol-none --)
    expect("Wayland without a runtime directory" 1 "" "${no_display}" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR= --)
endif()
expect("a platform that does not exist, its first reason first" 1 ""
       "Tirobol no pudo iniciar su interfaz gráfica: Could not find the Qt platform plugin \"nonsense\" in \"\"; ${line}"
       QT_QPA_PLATFORM=nonsense --)
expect("a platform with no screen" 1 "" "Tirobol no encontró ninguna pantalla donde mostrar su ventana.\n"
       QT_QPA_PLATFORM=linuxfb:fb=/dev/null --)
file(WRITE ${WORK_DIR}/small-screen.json "{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": 640, "
                                          "\"height\": 480, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
expect("a screen too small even at scale 1" 1 ""
       "Tirobol no cabe en la pantalla: su ventana de 690 x 524 píxeles, con su marco, no entra en ella ni a escala 1.\n"
       QT_QPA_PLATFORM=offscreen:configfile=${WORK_DIR}/small-screen.json --)
file(WRITE ${WORK_DIR}/no-fonts.conf "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>${WORK_DIR}/font-cache</cachedir></fontconfig>\n")
expect("a desktop without fonts" 1 "" "Tirobol no encontró ninguna fuente con la que escribir sus botones.\n"
       QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE=${WORK_DIR}/no-fonts.conf --)

expect("--version" 0 "${PRODUCT_NAME} ${VERSION_TEXT}\nCopyright © [0-9]+ [^\n]+\nLicencia MIT: ${line}" "" -- --version)
expect("--help, with no display needed" 0 "Uso: Tirobol \\[-h \\| --help \\| --version\\] [^\n]*\n${PRODUCT_NAME}: .*" ""
       -- --help)
expect("-h" 0 "Uso: Tirobol .*" "" -- -h)
expect("--help after the toolkit's options" 0 "Uso: Tirobol .*" "" -- -platform offscreen -reverse --help)
expect("--version after the toolkit's options" 0 "${PRODUCT_NAME} .*" "" -- --style=Fusion -qwindowtitle x --version)
# The toolkit's -platform is the toolkit's; anything else is refused before any display is looked for.
expect("an argument of no one's" 2 "" "Tirobol: opción desconocida «--bogus»${unknown}" -- -platform offscreen --bogus)
expect("an argument of no one's, no display" 2 "" "Tirobol: opción desconocida «--bogus»${unknown}" -- --bogus)
string(ASCII 27 escape)
expect("control characters, shown escaped on one line" 2 "" "Tirobol: opción desconocida «a\\\\x0ab\\\\x1b\\[2J»${unknown}"
       -- "a\nb${escape}[2J")
expect("--, with nothing after it" 1 "" "${no_display}" -- --)
expect("an argument after --" 2 "" "Tirobol: no toma argumentos: «--help»${unknown}" -- -- --help)

# Started offscreen and asked to end after 2 s, as a desktop would: status 0, and standard error as ERR.
function(expect_running name err)
    execute_process(COMMAND timeout --preserve-status 2 env ${ARGN} QT_QPA_PLATFORM=offscreen ${PROGRAM}
                            -style nonsense RESULT_VARIABLE status ERROR_VARIABLE actual_err)
    if(NOT status EQUAL 0 OR NOT actual_err MATCHES "^${err}$")
        message(SEND_ERROR "${name}: status '${status}', standard error [${actual_err}]")
    endif()
endfunction()
# The toolkit warns of an unknown style when the first widget is made, after it has started; a warning while
# it starts is held and said once it has started.
set(style_warning "QApplication: invalid style override 'nonsense' passed, ignoring it.\n${line}")
expect_running("a warning after the start" "${style_warning}" XDG_RUNTIME_DIR=${runtime_dir})
expect_running("a warning while starting" "QStandardPaths: XDG_RUNTIME_DIR not set${line}${style_warning}"
               -u XDG_RUNTIME_DIR)

# The help fits a terminal of 80 columns (counted in bytes, which is stricter).
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help)
string(REPLACE ";" "," help "${help}")
string(REPLACE "\n" ";" help_lines "${help}")
foreach(help_line IN LISTS help_lines)
    string(LENGTH "${help_line}" length)
    if(length GREATER 80)
        message(SEND_ERROR "--help: a line of ${length} bytes: ${help_line}")
    endif()
endforeach()

# An answer that cannot be written is a failure.
foreach(option --help --version)
    execute_process(COMMAND ${PROGRAM} ${option} OUTPUT_FILE /dev/full RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT err MATCHES "^Tirobol: no se pudo escribir la respuesta: ${line}$")
        message(SEND_ERROR "${option} into a full disk: status '${status}', standard error [${err}]")
    endif()
endforeach()
# The toolkit's -platform is taken by the toolkit (with no display it would fail), the rest is refused.
expect("an argument of no one's" 2 ""
       "Tirobol: opción desconocida «--bogus»; «Tirobol --help» muestra las opciones.\n" -- -platform offscreen --bogus)
