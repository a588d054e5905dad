// SPDX-License-Identifier: MIT
#include "app/ApplicationIdentity.h"
#include "app/GameWindow.h"
#include "runtime/qt/GuiStartup.h"
#include "runtime/qt/Pictures.h"
#include "runtime/qt/QtMessageBox.h"
#include "window/Identity.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

int main(int argc, char* argv[])
{
    const auto application = runtime::qt::startGui(argc, argv);
    app::applyApplicationIdentity();
    std::optional<app::GameWindow> window;
    try {
        window.emplace();
    } catch (const runtime::qt::PictureLoadError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        runtime::qt::QtMessageBox(nullptr, QString::fromUtf8(window::applicationTitle)).show(error.what());
        return EXIT_FAILURE;
    }
    window->show();
    return application->exec();
}
