// SPDX-License-Identifier: MIT
#include "startup/GuiStartup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include "runtime/qt/keys/KeyFollowingApplication.h"
#include "startup/DecoratedPlatform.h"
#include "startup/HeldStartupOutput.h"
#include "startup/TerminalText.h"
#include "startup/WholeScales.h"

namespace startup {

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
// no reason). They name what came from outside, such as a platform's name, so they are shown escaped.
QString reasons(const std::vector<HeldStartupOutput::Message>& held)
{
    QStringList reasons;
    for (const HeldStartupOutput::Message& message : held) {
        const QString reason = message.text.trimmed().section(QLatin1Char('\n'), 0, 0);
        if (isWarningOrWorse(message) && !reason.isEmpty() && !reasons.contains(reason))
            reasons << reason;
    }
    return QString::fromStdString(shownOnOneLine(reasons.join(QStringLiteral("; ")).toStdString()));
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

// The application as it starts, with what is said meanwhile held. The toolkit takes its own options out of
// the arguments as it starts, so a start made again gets them back first.
class Start {
public:
    Start(int& argc, char** argv)
        : argc_(argc)
        , argv_(argv)
        , arguments_(argv, argv + argc + 1)
    {
        begin();
    }

    QApplication& application() { return *application_; }

    // The held output is said once the start has gone well, after the application is handed over.
    std::unique_ptr<QApplication> finish() { return std::move(application_); }

    [[noreturn]] void refuse(const QString& why)
    {
        held_->discard();
        startup::refuse(why);
    }

    template <typename Setting> void again(Setting changeSetting)
    {
        // The desktop file's name, by which a Wayland desktop links the window to its entry, goes with the
        // application; the names of QCoreApplication stay.
        const QString desktopFileName = QGuiApplication::desktopFileName();
        held_->discard();
        application_.reset();
        held_.reset();
        QGuiApplication::setDesktopFileName(desktopFileName);
        changeSetting();
        std::copy(arguments_.begin(), arguments_.end(), argv_);
        argc_ = static_cast<int>(arguments_.size()) - 1;
        begin();
    }

private:
    void begin()
    {
        held_.emplace(refuseFailedStart);
        application_ = std::make_unique<runtime::qt::KeyFollowingApplication>(argc_, argv_);
        if (!QGuiApplication::primaryScreen())
            refuse(QStringLiteral("no encontró ninguna pantalla donde mostrar su ventana."));
    }

    int& argc_;
    char** argv_;
    const std::vector<char*> arguments_;
    std::optional<HeldStartupOutput> held_;
    std::unique_ptr<QApplication> application_;
};

// The toolkit fixes the scale as it starts: where the desktop's does not fit, start again at the largest
// that does, measured at the base scale. What the first start said, the second says again.
void fallBackToAFittingScale(Start& start, QSize framedSize, QSize clientSize)
{
    if (fitsScreen(framedSize))
        return;
    const double desktopRatio = start.application().devicePixelRatio();
    if (desktopRatio != 1)
        start.again([] { drawNextAtScale(1); });
    const int scale = largestFittingScale(framedSize, desktopRatio / start.application().devicePixelRatio());
    if (scale == 0 && !fitsDevicePixels(framedSize))
        start.refuse(
            QStringLiteral("no cabe en la pantalla: su ventana de %1 x %2 píxeles, con su marco, no entra en "
                           "ella ni a escala 1.")
                .arg(clientSize.width())
                .arg(clientSize.height()));
    if (scale > 1)
        start.again([scale] { drawNextAtScale(scale); });
}

} // namespace

std::unique_ptr<QApplication> startGui(int& argc, char** argv, QSize clientSize)
{
    useWholeScaleFactors();
    if (const std::string why = chooseWindowingPlatform(); !why.empty())
        refuse(QString::fromStdString(why));
    Start start(argc, argv);
    fallBackToAFittingScale(start, clientSize + frameAllowance, clientSize);
    // Without a font the captions would be empty boxes, though the toolkit still lists some families.
    if (!QFontMetrics(QApplication::font()).inFont(QLatin1Char('A')))
        start.refuse(QStringLiteral("no encontró ninguna fuente con la que escribir sus botones."));
    return start.finish();
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

} // namespace startup
