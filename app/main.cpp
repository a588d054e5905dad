// SPDX-License-Identifier: MIT
#include "app/GameWindow.h"
#include "runtime/qt/GuiStartup.h"

int main(int argc, char* argv[])
{
    const auto application = runtime::qt::startGui(argc, argv);
    app::GameWindow window;
    window.show();
    return application->exec();
}
