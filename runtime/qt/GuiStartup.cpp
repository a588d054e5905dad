// SPDX-License-Identifier: MIT
#include "runtime/qt/GuiStartup.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// While the platform plugin loads, the toolkit explains a missing display in several lines and then aborts;
// the player gets one line instead and a plain failure status.
void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(
            "Tirobol necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse.\n",
            stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages().push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> startGui(int& argc, char** argv)
{
    // Whole scale factors keep every control on whole device pixels and the pictures sharp: 1.25 is drawn
    // at 1, 1.5 and 1.75 at 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
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
