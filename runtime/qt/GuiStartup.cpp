// SPDX-License-Identifier: MIT
#include "runtime/qt/GuiStartup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QScreen>

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
    // Whole scale factors keep every control on whole device pixels, so a moving ball leaves no seam or trail
    // and the pictures are drawn from their own or double-resolution art, never enlarged. Rounding .5 down
    // keeps the doubled window off 1920 x 1080 screens at 1.5, where it would not fit with its title bar:
    // 1.25 and 1.5 are drawn at 1, 1.75 and 2.5 at 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
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

bool screenCanShow(QSize clientSize)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal scale = screen ? screen->devicePixelRatio() : 1.0;
    const QSize room = screen ? screen->geometry().size() : clientSize;
    // Below half size the captions are a few pixels high; written so that a scale that is not a number fails.
    if (scale >= 0.5 && clientSize.width() <= room.width() && clientSize.height() <= room.height())
        return true;
    std::fprintf(
        stderr,
        "Tirobol no puede mostrarse con la escala de pantalla %g: a esa escala su ventana de %d x %d "
        "píxeles no cabría en la pantalla o no podría leerse.\n",
        scale, clientSize.width(), clientSize.height());
    return false;
}

} // namespace runtime::qt
