// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QtGlobal>

namespace startup {

// While it lives, holds what is said as the toolkit starts its windowing system: the toolkit's messages and
// whatever its libraries write straight to standard error. A start that ends in the toolkit's fatal message
// is told by `onFatal`, on the real standard error, instead of all that; a start that goes on has it written
// out when the holder ends, unless it was discarded.
class HeldStartupOutput {
public:
    struct Message {
        QtMsgType type;
        const char* file;
        int line;
        const char* function;
        const char* category;
        QString text;
    };
    // Gets what was held, the message after which the toolkit ends the process last; it must end the process.
    using FatalHandler = std::function<void(const std::vector<Message>& held)>;

    explicit HeldStartupOutput(FatalHandler onFatal);
    ~HeldStartupOutput();
    HeldStartupOutput(const HeldStartupOutput&) = delete;
    HeldStartupOutput& operator=(const HeldStartupOutput&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    // Puts standard error back and drops what was held, to say something else in its place.
    void discard();

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
    void restoreStandardError(bool writeHeldBytes);

    FatalHandler onFatal_;
    std::vector<Message> messages_;
    QtMessageHandler previousHandler_;
    int realStandardError_ = -1;
    int heldBytes_ = -1;
    bool discarded_ = false;
};

} // namespace startup
