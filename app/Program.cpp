// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "app/GameWindow.h"
#include "runtime/StandardStreams.h"
#include "runtime/Twips.h"
#include "runtime/qt/GuiStartup.h"
#include "runtime/qt/Pictures.h"
#include "runtime/qt/QtMessageBox.h"
#include "runtime/qt/TerminationSignals.h"
#include "window/Form1Description.h"
#include "window/Identity.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace app {

int runProgram(int argc, char* argv[], const std::function<void(GameWindow&)>& afterShow)
{
    runtime::openClosedStandardStreams();
    if (const auto answered = answerInformationRequest(argc, argv))
        return *answered;
    if (const auto refused = refuseUnknownArguments(argc, argv))
        return *refused;
    // Before the toolkit starts, so that what it says as it starts names the application.
    applyApplicationIdentity();
    const runtime::FormDescription& form = window::form1Description();
    const std::unique_ptr<QApplication> application = runtime::qt::startGui(
        argc, argv, QSize(form.clientWidth, form.clientHeight) / runtime::twipsPerPixel);
    const runtime::qt::TerminationSignals quitOnTermination;
    std::optional<GameWindow> window;
    try {
        window.emplace();
    } catch (const runtime::qt::PictureLoadError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        runtime::qt::QtMessageBox(nullptr, QString::fromUtf8(window::applicationTitle)).show(error.what());
        return EXIT_FAILURE;
    }
    runtime::qt::createWindowOrRefuse(window->form().window());
    window->show();
    if (afterShow)
        afterShow(*window);
    return application->exec();
}

} // namespace app
