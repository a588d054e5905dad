// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "app/GameWindow.h"
#include "runtime/StandardStreams.h"
#include "runtime/Twips.h"
#include "runtime/qt/GuiStartup.h"
#include "runtime/qt/TerminationSignals.h"
#include "window/Form1Description.h"

#include <cstdlib>
#include <memory>

namespace app {

int runProgram(int argc, char* argv[], const std::function<void(GameWindow&)>& afterShow)
{
    runtime::openClosedStandardStreams();
    if (const auto answered = answerInformationRequest(argc, argv))
        return *answered;
    if (const auto refused = refuseUnknownArguments(argc, argv))
        return *refused;
    const std::unique_ptr<QApplication> application = startToolkit(argc, argv);
    const runtime::qt::TerminationSignals quitOnTermination;
    const std::unique_ptr<GameWindow> window = buildGameWindow(window::form1Description());
    if (!window)
        return EXIT_FAILURE;
    runtime::qt::createWindowOrRefuse(window->form().window());
    window->show();
    if (afterShow)
        afterShow(*window);
    return application->exec();
}

std::unique_ptr<QApplication> startToolkit(int& argc, char* argv[])
{
    // Before the toolkit starts, so that what it says as it starts names the application.
    applyApplicationIdentity();
    const runtime::FormDescription& form = window::form1Description();
    return runtime::qt::startGui(argc, argv,
                                 QSize(form.clientWidth, form.clientHeight) / runtime::twipsPerPixel);
}

} // namespace app
