// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

namespace runtime::qt {

// The application, drawn at whole scale factors (WholeScales.h). When no graphical desktop can be reached it
// does not return: it prints one Spanish line on standard error and ends the process with a failure status.
std::unique_ptr<QApplication> startGui(int& argc, char** argv);

} // namespace runtime::qt
