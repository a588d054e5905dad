// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "startup/TerminalText.h"
#include "window/Identity.h"

namespace app {

namespace {

constexpr int unknownArgumentStatus = 2;

// Lines of at most 80 columns, as a terminal shows them.
constexpr const char* help = "Uso: %s [-h | --help | --version] [opciones de Qt]\n"
                             "%s: frená las dos pelotas justo sobre el blanco y encestá el tiro.\n"
                             "\n"
                             "Una pelota va y viene de izquierda a derecha: «Tirar» la frena. Después\n"
                             "otra pelota sube y baja: «Tirar» la frena también. Si las dos quedan sobre\n"
                             "el blanco, encestaste. «Reiniciar» empieza un tiro nuevo. Intro aprieta\n"
                             "«Tirar» (o el botón que tenga el foco), Espacio el botón que tenga el foco\n"
                             "y Tab pasa de un botón al otro. S enciende o apaga el sonido de las\n"
                             "pelotas, que dice dónde está cada una y suena sola con un lector de\n"
                             "pantalla.\n"
                             "\n"
                             "  -h, --help   muestra esta ayuda y termina\n"
                             "  --version    muestra la versión y termina\n"
                             "\n"
                             "Las opciones de Qt, como -platform o -style, también valen.\n"
                             "Estado de salida: 0 al cerrar la ventana; 1 si no hay escritorio gráfico\n"
                             "donde mostrarla o no puede mostrarse; 2 ante una opción desconocida o sin\n"
                             "su valor.\n";

constexpr const char* version = "%s %s\n"
                                "Copyright © %s\n"
                                "Licencia MIT: es software libre, sin ninguna garantía.\n";

bool is(const char* argument, const char* option)
{
    return std::strcmp(argument, option) == 0;
}

// The toolkit's own options, which it takes before the game sees the arguments; with one dash or two.
constexpr std::string_view toolkitOptionsWithValue[] = {"platform",
                                                        "platformpluginpath",
                                                        "platformtheme",
                                                        "plugin",
                                                        "qwindowgeometry",
                                                        "qwindowtitle",
                                                        "qwindowicon",
                                                        "style",
                                                        "stylesheet",
                                                        "session",
                                                        "display",
                                                        "name",
                                                        "geometry",
                                                        "title",
                                                        "icon",
                                                        "visual",
                                                        "ncols",
                                                        "cmap"};
constexpr std::string_view toolkitFlags[] = {"reverse", "widgetcount", "nograb",
                                             "dograb",  "testability", "sync"};
constexpr std::string_view toolkitOptionsJoined[] = {"style=", "stylesheet=", "qmljsdebugger="};

enum class ToolkitOption { none, flag, withValue };

// Which of the toolkit's options the argument is, if any.
ToolkitOption toolkitOption(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    if (!argument.starts_with('-'))
        return ToolkitOption::none;
    argument.remove_prefix(1);
    const auto in = [argument](const auto& names) {
        return std::find(std::begin(names), std::end(names), argument) != std::end(names);
    };
    const auto joins = [argument](std::string_view prefix) { return argument.starts_with(prefix); };
    if (in(toolkitFlags) ||
        std::any_of(std::begin(toolkitOptionsJoined), std::end(toolkitOptionsJoined), joins))
        return ToolkitOption::flag;
    return in(toolkitOptionsWithValue) ? ToolkitOption::withValue : ToolkitOption::none;
}

int refuse(const char* what, const char* argument)
{
    std::fprintf(stderr, "%s: %s «%s»; «%s --help» muestra las opciones.\n", window::applicationTitle, what,
                 startup::shownOnOneLine(argument).c_str(), window::applicationTitle);
    return unknownArgumentStatus;
}

// An answer that could not be written (a full disk, a closed pipe) is a failure, said on standard error.
int answered()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return EXIT_SUCCESS;
    std::fprintf(stderr, "%s: no se pudo escribir la respuesta: %s\n", window::applicationTitle,
                 std::strerror(errno));
    return EXIT_FAILURE;
}

} // namespace

std::optional<int> answerInformationRequest(int argc, char* argv[])
{
    for (int i = 1; i < argc && !is(argv[i], "--"); ++i) {
        if (is(argv[i], "--help") || is(argv[i], "-h")) {
            std::printf(help, window::applicationTitle, window::productName);
            return answered();
        }
        if (is(argv[i], "--version")) {
            std::printf(version, window::productName, window::versionText, window::copyright);
            return answered();
        }
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (is(argv[i], "--"))
            return i + 1 == argc ? std::nullopt : std::optional(refuse("no toma argumentos:", argv[i + 1]));
        switch (toolkitOption(argv[i])) {
        case ToolkitOption::none:
            return refuse("opción desconocida", argv[i]);
        case ToolkitOption::withValue:
            if (++i == argc)
                return refuse("falta el valor de la opción", argv[i - 1]);
            break;
        case ToolkitOption::flag:
            break;
        }
    }
    return std::nullopt;
}

} // namespace app
