# SPDX-License-Identifier: MIT
# What the program says when it starts, by case: its exit status, its standard output and error (each a
# regular expression for the whole stream; "" for nothing), never an abort or a window that cannot be used.
cmake_policy(VERSION 3.25)
set(runtime_dir ${WORK_DIR}/runtime)
file(MAKE_DIRECTORY ${runtime_dir})
file(CHMOD ${runtime_dir} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# No line of TEXT is longer than BYTES.
function(expect_lines_at_most bytes name text)
    string(REPLACE ";" "," text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    foreach(line IN LISTS lines)
        string(LENGTH "${line}" length)
        if(length GREATER bytes)
            message(SEND_ERROR "${name}: a line of ${length} bytes: ${line}")
        endif()
    endforeach()
endfunction()

# expect(NAME STATUS OUT ERR [VAR=VALUE ...] -- [ARGUMENT ...]); "XDG_RUNTIME_DIR=" unsets it. Standard error
# never matches `err_never`, and no line of it is longer than a few rows of a terminal. PROGRAM is the
# lower-case command, so that every refusal shows it names the application however it was started.
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
    if(err_never AND actual_err MATCHES "${err_never}")
        message(SEND_ERROR "${name}: standard error says ${err_never}: [${actual_err}]")
    endif()
    expect_lines_at_most(400 "${name}, standard error" "${actual_err}")
endfunction()

set(line "[^\n]*\n")
set(no_display "Tirobol necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse.\n")
set(unknown "; «Tirobol --help» muestra las opciones.\n")
expect("no display at all" 1 "" "${no_display}" --)
if(WAYLAND)
    expect("no Wayland compositor" 1 "" "${no_display}" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tirobol-none --)
    expect("Wayland without a runtime directory" 1 "" "${no_display}" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR= --)
endif()
# Each reason once, by its first line, and what came from outside escaped; a long list of them is cut.
string(ASCII 27 escape)
set(no_plugin "Could not find the Qt platform plugin")
# Two platforms of one name (a CMake list cannot carry the separator, so this row runs on its own).
execute_process(COMMAND env XDG_RUNTIME_DIR=${runtime_dir} [[QT_QPA_PLATFORM=nonsense;nonsense]] ${PROGRAM}
                ERROR_VARIABLE err)
if(NOT err STREQUAL "Tirobol no pudo iniciar su interfaz gráfica: ${no_plugin} \"nonsense\" in \"\"; This application failed to start because no Qt platform plugin could be initialized. Reinstalling the application may fix this problem.\n")
    message(SEND_ERROR "a platform that does not exist, twice: standard error [${err}]")
endif()
expect("a platform named on the command line, escaped" 1 ""
       "Tirobol no pudo iniciar su interfaz gráfica: ${no_plugin} \"\\\\x1b\\[31mred\" in \"\"; ${line}" -- -platform "${escape}[31mRED")
# What came from outside is cut at 300 bytes, escapes included, the mark within them.
string(REPEAT "x" 300 long_name)
string(REPEAT "x" 250 cut_name)
expect("a platform of a long name, on one line that is cut" 1 ""
       "Tirobol no pudo iniciar su interfaz gráfica: ${no_plugin} \"nonsense${cut_name}…\n" QT_QPA_PLATFORM=nonsense${long_name} --)
expect("a platform for other kinds of window" 1 ""
       "Tirobol no pudo crear su ventana: vkkhrdisplay platform plugin only supports QWindow with surfaceType == VulkanSurface\n"
       QT_QPA_PLATFORM=vkkhrdisplay --)
expect("a platform with no screen" 1 "" "Tirobol no encontró ninguna pantalla donde mostrar su ventana.\n"
       QT_QPA_PLATFORM=linuxfb:fb=/dev/null --)
file(WRITE ${WORK_DIR}/small-screen.json "{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": 640, "
                                          "\"height\": 480, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
set(too_small "Tirobol no cabe en la pantalla: su ventana de 690 x 524 píxeles, con su marco, no entra en ella ni a escala 1.\n")
expect("a screen too small even at scale 1" 1 "" "${too_small}" QT_QPA_PLATFORM=offscreen:configfile=${WORK_DIR}/small-screen.json --)
# Options the toolkit takes, in each of its forms, are not refused.
expect("the toolkit's options in every form" 1 "" "${too_small}"
       -- --platform offscreen:configfile=${WORK_DIR}/small-screen.json -style=Fusion -reverse -stylesheet none.qss)
expect("the toolkit's options kept for a start made again at scale 1" 1 "" "${too_small}"
       QT_SCALE_FACTOR=2 -- -platform offscreen:configfile=${WORK_DIR}/small-screen.json)
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
expect("an argument of no one's, with no display" 2 "" "Tirobol: opción desconocida «--bogus»${unknown}" -- --bogus)
string(ASCII 127 delete)
string(ASCII 155 lone_csi)
string(ASCII 194 155 csi)
string(ASCII 226 128 174 right_to_left)
string(ASCII 194 159 last_c1)
string(ASCII 7 bell)
string(ASCII 193 155 overlong_csi)
expect("control characters and overrides, shown escaped on one line" 2 ""
       "Tirobol: opción desconocida «a\\\\x0ab\\\\x1b\\[2J\\\\x7f\\\\x9b\\\\u009b\\\\u009f\\\\xc1\\\\x9b\\\\u202eñ\\\\\\\\x1b»${unknown}"
       -- "a\nb${escape}[2J${delete}${lone_csi}${csi}${last_c1}${overlong_csi}${right_to_left}ñ\\x1b")
string(REPEAT "${right_to_left}" 300 overrides)
string(REPEAT "\\\\u202e" 49 cut_overrides)
expect("an argument of many overrides, cut after escaping" 2 "" "Tirobol: opción desconocida «${cut_overrides}…»${unknown}"
       -- "${overrides}")
expect("a toolkit option without its value" 2 "" "Tirobol: falta el valor de la opción «-style»${unknown}" -- -style)
expect("--, with nothing after it" 1 "" "${no_display}" -- --)
expect("an argument after --" 2 "" "Tirobol: no toma argumentos: «--help»${unknown}" -- -- --help)

# Started offscreen and, once it says READY, sent SIGNAL as a desktop would: STATUS, and standard error as ERR.
# The arguments are the environment, the program and its arguments.
function(expect_ended name ready signal status err)
    execute_process(COMMAND ${SIGNAL_WHEN_READY} "${ready}" ${signal} env QT_QPA_PLATFORM=offscreen env ${ARGN}
                    RESULT_VARIABLE actual_status ERROR_VARIABLE actual_err TIMEOUT 60)
    if(NOT actual_status STREQUAL status OR NOT actual_err MATCHES "^${err}$")
        message(SEND_ERROR "${name}: status '${actual_status}' (expected ${status}), standard error [${actual_err}]")
    endif()
endfunction()
# The toolkit warns of an unknown style when the first widget is made, after it has started; a warning while
# it starts is held and said once it has started, as is what its libraries write themselves (here the
# dynamic loader, as it loads the platform).
set(style "invalid style override")
set(style_warning "QApplication: ${style} 'nonsense' passed, ignoring it.\n${line}")
set(runtime XDG_RUNTIME_DIR=${runtime_dir})
expect_ended("a warning after the start" ${style} TERM 0 "${style_warning}" ${runtime} ${PROGRAM} -style nonsense)
expect_ended("a warning of outside text, escaped" ${style} TERM 0
             "QApplication: ${style} '\\\\x1b\\(0RED\\\\x07\\\\u202e' passed, ignoring it.\n${line}"
             ${runtime} "QT_STYLE_OVERRIDE=${escape}(0RED${bell}${right_to_left}" ${PROGRAM})
expect_ended("a warning while starting" ${style} TERM 0 "[^\n]*rounding policy: nonsense${line}${style_warning}"
             ${runtime} QT_SCALE_FACTOR_ROUNDING_POLICY=nonsense ${PROGRAM} -style nonsense)
expect_ended("the libraries' own words while starting" ${style} TERM 0 ".*file=[^\n]*libqoffscreen.so [^\n]*dynamically loaded.*${style}.*"
             ${runtime} LD_DEBUG=files ${PROGRAM} -style nonsense)
set(err_never "libqoffscreen")
expect("the libraries' own words dropped with a refusal" 1 "" ".*${too_small}"
       LD_DEBUG=files QT_QPA_PLATFORM=offscreen:configfile=${WORK_DIR}/small-screen.json --)
unset(err_never)

# A picture that cannot be decoded (here: no image readers) is told, and the start fails however it ends.
set(readerless ${WORK_DIR}/no-image-readers)
file(MAKE_DIRECTORY ${readerless}/plugins)
file(COPY ${PROGRAM_FILE} DESTINATION ${readerless})
file(CREATE_LINK ${PLATFORM_PLUGINS} ${readerless}/plugins/platforms SYMBOLIC)
file(WRITE ${readerless}/qt.conf "[Paths]\nPlugins=plugins\n")
set(damaged "No se pudo cargar la imagen")
foreach(signal TERM INT HUP)
    expect_ended("a damaged picture, its box ended by SIG${signal}" ${damaged} ${signal} 1 "${damaged} :/assets/[^\n]*\n.*"
                 ${runtime} ${readerless}/Tirobol)
endforeach()

# The help fits a terminal of 80 columns (counted in bytes, which is stricter).
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help)
expect_lines_at_most(80 --help "${help}")

# An answer that cannot be written is a failure.
foreach(option --help --version)
    execute_process(COMMAND ${PROGRAM} ${option} OUTPUT_FILE /dev/full RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 1 OR NOT err MATCHES "^Tirobol: no se pudo escribir la respuesta: ${line}$")
        message(SEND_ERROR "${option} into a full disk: status '${status}', standard error [${err}]")
    endif()
endforeach()
