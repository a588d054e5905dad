// SPDX-License-Identifier: MIT
#include "runtime/qt/GuiStartup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/qt/WholeScales.h"

namespace runtime::qt {

namespace {

// The context's strings are the toolkit's static ones, so holding their pointers is safe.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::vector<HeldMessage>& heldMessages()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

QtMessageHandler previousHandler = nullptr;

bool saysNoDisplay(const QString& text)
{
    return text.startsWith(QLatin1String("could not connect to display")) ||
           text.startsWith(QLatin1String("Failed to create wl_display"));
}

// While the platform plugin loads, the toolkit explains a failure in several lines and then aborts; the
// player gets one line instead and a plain failure status: a missing display in plain Spanish, anything else
// with the toolkit's first reason.
void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages().push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    const auto& held = heldMessages();
    if (std::any_of(held.begin(), held.end(),
                    [](const HeldMessage& message) { return saysNoDisplay(message.text); })) {
        std::fputs(
            "Tirobol necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse.\n",
            stderr);
    } else {
        const QString reason = held.empty() ? text.section(QLatin1Char('\n'), 0, 0) : held.front().text;
        std::fprintf(stderr, "Tirobol no pudo iniciar su interfaz gráfica: %s\n", qUtf8Printable(reason));
    }
    std::_Exit(EXIT_FAILURE);
}

} // namespace

std::unique_ptr<QApplication> startGui(int& argc, char** argv)
{
    useWholeScaleFactors();
    previousHandler = qInstallMessageHandler(holdStartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages()) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
    return application;
}

} // namespace runtime::qt
