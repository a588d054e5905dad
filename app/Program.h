// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include <QApplication>

namespace app {

class GameWindow;

// The whole program: answer --help and --version, refuse any argument that is not the toolkit's, take the
// application's identity, start the toolkit at a scale that fits (or say in one line why it cannot), build
// and show the game's window and run until it is closed or the process is asked to end (SIGTERM, SIGINT,
// SIGHUP), then return the exit status. `afterShow` lets benchmarks and tests watch the real program from
// inside; the program itself passes nothing.
int runProgram(int argc, char* argv[], const std::function<void(GameWindow&)>& afterShow = {});

// The application's identity taken, and the toolkit started at a scale at which the game's window fits, or
// the process ended with one line saying why not.
std::unique_ptr<QApplication> startToolkit(int& argc, char* argv[]);

} // namespace app
