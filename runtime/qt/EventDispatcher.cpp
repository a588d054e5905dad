// SPDX-License-Identifier: MIT
#include "runtime/qt/EventDispatcher.h"

#include <cstdio>
#include <string>

#include "runtime/RuntimeError.h"

namespace runtime::qt {

namespace {

class BusyScope {
public:
    explicit BusyScope(bool& busy)
        : busy_(busy)
    {
        busy_ = true;
    }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

} // namespace

EventDispatcher::EventDispatcher(MessageBox& errorBox)
    : errorBox_(errorBox)
{
}

void EventDispatcher::deliver(const Handler& handler)
{
    if (busy_)
        return;
    const BusyScope scope(busy_);
    try {
        handler();
    } catch (const RuntimeError& error) {
        report("Error de ejecución " + std::to_string(static_cast<int>(error.number())) + ": " +
               error.description());
    } catch (const std::exception& error) {
        report(std::string("Error inesperado: ") + error.what());
    }
}

void EventDispatcher::report(const std::string& message)
{
    const std::string text = message + "\nEl juego continúa.";
    // An event loop must never see an exception; when even the box fails, the terminal is told instead.
    try {
        errorBox_.show(text);
    } catch (...) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

} // namespace runtime::qt
