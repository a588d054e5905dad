// SPDX-License-Identifier: MIT
#include "startup/HeldStartupOutput.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

#include "startup/TerminalText.h"

namespace startup {

namespace {

// The toolkit's message handler is a plain function: it reaches the one holder through this.
HeldStartupOutput* current = nullptr;

// What the libraries wrote themselves, line by line, each shown as outside text is.
void writeLineByLine(int heldBytes)
{
    std::string bytes;
    char buffer[4096];
    ssize_t count = 0;
    for (off_t at = 0; (count = ::pread(heldBytes, buffer, sizeof buffer, at)) > 0; at += count)
        bytes.append(buffer, static_cast<std::size_t>(count));
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);)
        std::fprintf(stderr, "%s\n", shownOnOneLine(line).c_str());
    std::fflush(stderr);
}

// The toolkit's fatal message, and the warning after which its Wayland platform ends the process itself
// (a compositor that closed the connection or broke the protocol).
bool endsTheProcess(QtMsgType type, const QString& text)
{
    return type == QtFatalMsg || text.startsWith(QLatin1String("The Wayland connection"));
}

} // namespace

HeldStartupOutput::HeldStartupOutput(FatalHandler onFatal)
    : onFatal_(std::move(onFatal))
    , previousHandler_(qInstallMessageHandler(hold))
{
    current = this;
    std::fflush(stderr);
    realStandardError_ = ::dup(STDERR_FILENO);
    heldBytes_ = ::memfd_create("held-standard-error", MFD_CLOEXEC);
    if (realStandardError_ < 0 || heldBytes_ < 0 || ::dup2(heldBytes_, STDERR_FILENO) < 0)
        restoreStandardError(false);
}

HeldStartupOutput::~HeldStartupOutput()
{
    qInstallMessageHandler(previousHandler_);
    current = nullptr;
    if (discarded_)
        return;
    restoreStandardError(true);
    // The context's strings are the toolkit's static ones, so they are still there.
    for (const Message& message : messages_) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
}

void HeldStartupOutput::discard()
{
    restoreStandardError(false);
    messages_.clear();
    discarded_ = true;
}

void HeldStartupOutput::hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    current->messages_.push_back(
        {type, context.file, context.line, context.function, context.category, text});
    if (endsTheProcess(type, text)) {
        current->restoreStandardError(false);
        current->onFatal_(current->messages_);
    }
}

void HeldStartupOutput::restoreStandardError(bool writeHeldBytes)
{
    std::fflush(stderr);
    if (realStandardError_ >= 0) {
        ::dup2(realStandardError_, STDERR_FILENO);
        ::close(std::exchange(realStandardError_, -1));
    }
    if (heldBytes_ < 0)
        return;
    if (writeHeldBytes)
        writeLineByLine(heldBytes_);
    ::close(std::exchange(heldBytes_, -1));
}

} // namespace startup
