// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QSocketNotifier>

namespace startup {

// Until the event loop can be told (a TerminationSignals lives), SIGTERM, SIGINT and SIGHUP end the process
// at once with status 0, while it waits for a compositor or a display say. Call first thing.
void endAtOnceOnTerminationSignals();

// While it lives, SIGTERM, SIGINT and SIGHUP end every event loop that runs, so the program ends through its
// event loop (exit status 0) even with a message box open, the one shown as it starts included. The signal
// only writes to a pipe; the loops end on the user-interface thread.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace startup
