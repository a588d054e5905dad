// SPDX-License-Identifier: MIT
#include "startup/TerminationSignals.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>

namespace startup {

namespace {

constexpr int handledSignals[] = {SIGTERM, SIGINT, SIGHUP};
int signalPipe[2] = {-1, -1};

// Before the event loop can be told, nothing is shown and nothing needs keeping: the process ends at once.
extern "C" void onTerminationSignal(int)
{
    if (signalPipe[1] < 0)
        ::_exit(EXIT_SUCCESS);
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void handleTerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handledSignals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
        char drained[16];
        while (::read(signalPipe[0], drained, sizeof drained) > 0) {
        }
        // Every event loop ends, a message box's shown before the application's own loop runs included.
        QCoreApplication::exit(0);
    });
    handleTerminationSignals();
}

void endAtOnceOnTerminationSignals()
{
    handleTerminationSignals();
}

TerminationSignals::~TerminationSignals()
{
    for (const int signal : handledSignals)
        std::signal(signal, SIG_DFL);
    notifier_.reset();
    for (int& end : signalPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

} // namespace startup
