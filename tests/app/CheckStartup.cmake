# SPDX-License-Identifier: MIT
# What the program says when it starts, by case: its exit status, its standard output and error (each a
# regular expression for the whole stream; "" for nothing), never an abort or a window that cannot be used.
set(runtime_dir ${WORK_DIR}/runtime)
file(MAKE_DIRECTORY ${runtime_dir})
file(CHMOD ${runtime_dir} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# expect(NAME STATUS OUT ERR [VAR=VALUE ...] -- [ARGUMENT ...])
function(expect name status out err)
    set(environment)
    set(arguments)
    set(target environment)
    foreach(item ${ARGN})
        if(item STREQUAL "--")
            set(target arguments)
        else()
            list(APPEND ${target} "${item}")
        endif()
    endforeach()
    execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE
                            XDG_RUNTIME_DIR=${runtime_dir} ${environment} ${PROGRAM} ${arguments}
                    RESULT_VARIABLE actual_status OUTPUT_VARIABLE actual_out ERROR_VARIABLE actual_err TIMEOUT 30)
    if(NOT actual_status STREQUAL status OR NOT actual_out MATCHES "^${out}$" OR NOT actual_err MATCHES "^${err}$")
        message(SEND_ERROR "${name}: status '${actual_status}' (expected ${status})\n"
                           "standard output: [${actual_out}]\nstandard error: [${actual_err}]")
    endif()
endfunction()

set(line "[^\n]*\n")
expect("no display at all" 1 ""
       "Tirobol necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse.\n" --)
expect("a platform that does not exist" 1 ""
       "Tirobol no pudo iniciar su interfaz gráfica: [^\n]*\"nonsense\"${line}" QT_QPA_PLATFORM=nonsense --)
file(WRITE ${WORK_DIR}/small-screen.json "{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": 640, "
                                          "\"height\": 480, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
expect("a screen too small even at scale 1" 1 ""
       "Tirobol no cabe en la pantalla: su ventana de 690 x 524 píxeles, con su marco, no entra en ella ni a escala 1.\n"
       QT_QPA_PLATFORM=offscreen:configfile=${WORK_DIR}/small-screen.json --)
expect("--version" 0 "${PRODUCT_NAME} ${VERSION_TEXT}\nCopyright © [0-9]+ [^\n]+\nLicencia MIT: ${line}" "" -- --version)
expect("--help, with no display needed" 0 "Uso: Tirobol \\[-h \\| --help \\| --version\\] .*" "" -- --help)
expect("-h" 0 "Uso: Tirobol .*" "" -- -h)

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
