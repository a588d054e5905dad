// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

namespace runtime::qt {

// The application. When no graphical desktop can be reached it does not return: it prints one Spanish line
// on standard error and ends the process with a failure status.
std::unique_ptr<QApplication> startGui(int& argc, char** argv);

// Whether the primary screen, at the scale the toolkit chose, can show a window of this client size (in
// pixels at scale 1) whole and readable; when it cannot, says so in one Spanish line on standard error.
bool screenCanShow(QSize clientSize);

} // namespace runtime::qt
