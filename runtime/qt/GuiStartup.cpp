// SPDX-License-Identifier: MIT
#include "runtime/qt/GuiStartup.h"

#include "runtime/qt/HeldStartupOutput.h"
#include "runtime/qt/WholeScales.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace runtime::qt {

namespace {

bool saysNoDisplay(const HeldStartupOutput::Message& message)
{
    return message.text.startsWith(QLatin1String("could not connect to display")) ||
           message.text.startsWith(QLatin1String("Failed to create wl_display"));
}

bool isWarningOrWorse(const HeldStartupOutput::Message& message)
{
    return message.type == QtWarningMsg || message.type == QtCriticalMsg || message.type == QtFatalMsg;
}

[[noreturn]] void refuse(const QString& why)
{
    std::fprintf(stderr, "%s %s\n", qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(why));
    std::_Exit(EXIT_FAILURE);
}

// The toolkit's reasons, first to last, each by its first line: its warnings or worse (its debug messages are
// no reason).
QString reasons(const std::vector<HeldStartupOutput::Message>& held)
{
    QStringList reasons;
    for (const HeldStartupOutput::Message& message : held) {
        const QString reason = message.text.trimmed().section(QLatin1Char('\n'), 0, 0);
        if (isWarningOrWorse(message) && !reason.isEmpty() && !reasons.contains(reason))
            reasons << reason;
    }
    return reasons.join(QStringLiteral("; "));
}

// The toolkit explains a failed start in several lines and then aborts; the player gets one line instead
// and a plain failure status: a missing display in plain Spanish, anything else with the toolkit's reasons.
[[noreturn]] void refuseFailedStart(const std::vector<HeldStartupOutput::Message>& held)
{
    if (std::any_of(held.begin(), held.end(), saysNoDisplay))
        refuse(QStringLiteral(
            "necesita un escritorio gráfico y no encontró ninguna pantalla a la que conectarse."));
    refuse(QStringLiteral("no pudo iniciar su interfaz gráfica: ") + reasons(held));
}

} // namespace

std::unique_ptr<QApplication> startGui(int& argc, char** argv, QSize clientSize)
{
    useWholeScaleFactors();
    // The toolkit takes its own options out of the arguments; a second start needs them again.
    const std::vector<char*> arguments(argv, argv + argc + 1);
    const int argumentCount = argc;

    std::optional<HeldStartupOutput> held(std::in_place, refuseFailedStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    if (!QGuiApplication::primaryScreen()) {
        held->discard();
        refuse(QStringLiteral("no encontró ninguna pantalla donde mostrar su ventana."));
    }
    const int scale = fittingScale(clientSize);
    if (scale == 0) {
        held->discard();
        refuse(
            QStringLiteral("no cabe en la pantalla: su ventana de %1 x %2 píxeles, con su marco, no entra en "
                           "ella ni a escala 1.")
                .arg(clientSize.width())
                .arg(clientSize.height()));
    }
    // The toolkit fixes the scale as it starts: where the desktop's does not fit, start again at one that
    // does. What the first start said, the second says again. A Wayland compositor sets the room a window
    // takes on its screens whatever the scale it is drawn at, where a lower one would only blur it.
    const bool scaleSetsRoom = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (scale != application->devicePixelRatio() && scaleSetsRoom) {
        held->discard();
        application.reset();
        held.reset();
        drawAtScale(scale);
        std::copy(arguments.begin(), arguments.end(), argv);
        argc = argumentCount;
        held.emplace(refuseFailedStart);
        application = std::make_unique<QApplication>(argc, argv);
    }
    // Without a font the captions would be empty boxes, though the toolkit still lists some families.
    if (!QFontMetrics(QApplication::font()).inFont(QLatin1Char('A'))) {
        held->discard();
        refuse(QStringLiteral("no encontró ninguna fuente con la que escribir sus botones."));
    }
    return application;
}

void createWindowOrRefuse(QWidget& window)
{
    HeldStartupOutput held(refuseFailedStart);
    window.winId();
    // A windowing system that makes no window, or only one it warns of (a platform for other kinds of
    // window), leaves nothing the player could see.
    const QString why = reasons(held.messages());
    if (window.windowHandle() && window.windowHandle()->handle() && why.isEmpty())
        return;
    held.discard();
    refuse(QStringLiteral("no pudo crear su ventana: ") + why);
}

} // namespace runtime::qt
