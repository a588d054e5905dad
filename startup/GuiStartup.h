// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QApplication>
#include <QSize>

namespace startup {

// The application, on a platform where the desktop draws its title bar (DecoratedPlatform.h), drawn at the
// largest whole scale at which a window of `clientSize` (pixels at scale 1) fits the screen with its frame
// (WholeScales.h). When no graphical desktop can be reached, no screen could show the window even at scale 1,
// or no font can write its captions, it does not return: it says so in one Spanish line on standard error,
// naming the application (QCoreApplication::applicationName(), set before), and ends the process with a
// failure status.
std::unique_ptr<QApplication> startGui(int& argc, char** argv, QSize clientSize);

// Makes the window's window in the windowing system, or, where the windowing system makes none or warns as it
// makes it (a platform for other kinds of window), says so in one Spanish line with the toolkit's reasons and
// ends the process with a failure status.
void createWindowOrRefuse(QWidget& window);

} // namespace startup
