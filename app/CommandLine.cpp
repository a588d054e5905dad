// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "window/Identity.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace app {

namespace {

constexpr int unknownArgumentStatus = 2;

constexpr const char* help =
    "Uso: %s [--help | --version] [opciones de Qt]\n"
    "%s: frená las dos pelotas justo sobre el blanco y encestá el tiro.\n"
    "\n"
    "Una pelota va y viene de izquierda a derecha: «Tirar» la frena. Después otra pelota sube y baja:\n"
    "«Tirar» la frena también. Si las dos quedan sobre el blanco, encestaste. «Reiniciar» empieza un tiro\n"
    "nuevo. Intro aprieta «Tirar» (o el botón que tenga el foco), Espacio el botón que tenga el foco y\n"
    "Tab pasa de un botón al otro.\n"
    "\n"
    "  --help      muestra esta ayuda y termina\n"
    "  --version   muestra la versión y termina\n"
    "\n"
    "Las opciones de Qt, como -platform o -style, también valen.\n"
    "Estado de salida: 0 al cerrar la ventana; 1 si no hay escritorio gráfico donde mostrarla o no puede\n"
    "mostrarse; 2 ante una opción desconocida.\n";

bool is(const char* argument, const char* option)
{
    return std::strcmp(argument, option) == 0;
}

} // namespace

std::optional<int> answerInformationRequest(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (is(argv[i], "--help") || is(argv[i], "-h")) {
            std::printf(help, window::applicationTitle, window::productName);
            return EXIT_SUCCESS;
        }
        if (is(argv[i], "--version")) {
            std::printf("%s %s\n", window::productName, window::versionText);
            return EXIT_SUCCESS;
        }
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(int argc, char* argv[])
{
    if (argc < 2)
        return std::nullopt;
    std::fprintf(stderr, "%s: opción desconocida «%s»; «%s --help» muestra las opciones.\n",
                 window::applicationTitle, argv[1], window::applicationTitle);
    return unknownArgumentStatus;
}

} // namespace app
