// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include <cstdlib>
#include <memory>

#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "app/GameWindow.h"
#include "runtime/Twips.h"
#include "startup/GuiStartup.h"
#include "startup/StandardStreams.h"
#include "startup/TerminationSignals.h"
#include "startup/ToolkitMessages.h"
#include "window/Form1Description.h"

namespace app {

int runProgram(int argc, char* argv[], const std::function<void(GameWindow&)>& afterShow)
{
    startup::openClosedStandardStreams();
    startup::endAtOnceOnTerminationSignals();
    startup::showToolkitMessagesSafely();
    if (const auto answered = answerInformationRequest(argc, argv))
        return *answered;
    if (const auto refused = refuseUnknownArguments(argc, argv))
        return *refused;
    const std::unique_ptr<QApplication> application = startToolkit(argc, argv);
    const startup::TerminationSignals quitOnTermination;
    const std::unique_ptr<GameWindow> window = buildGameWindow(window::form1Description());
    if (!window)
        return EXIT_FAILURE;
    startup::createWindowOrRefuse(window->form().window());
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
    return startup::startGui(argc, argv, runtime::qt::clientSize(form));
}

} // namespace app
