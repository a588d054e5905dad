// SPDX-License-Identifier: MIT
#include "app/GameWindow.h"

#include <cstdio>

#include "runtime/qt/ModalMessageBox.h"
#include "runtime/qt/Pictures.h"
#include "window/Identity.h"

namespace app {

using runtime::qt::Event;

GameWindow::GameWindow(const runtime::FormDescription& description)
    : form_(description, QString::fromUtf8(window::applicationTitle))
    , sounds_(form_.pictureBox("Picture2"), form_.pictureBox("Picture1"))
    , game_({
          .Picture1 = sounds_.verticalBall(),
          .Picture2 = sounds_.horizontalBall(),
          .lbl = form_.label("lbl"),
          .Timer1 = form_.timer("Timer1"),
          .Timer2 = form_.timer("Timer2"),
          .messageBox = form_.messageBox(),
      })
    , soundSwitch_(form_, sounds_)
{
    form_.bind("Timer1", Event::Timer, [this] { game_.Timer1_Timer(); });
    form_.bind("Timer2", Event::Timer, [this] { game_.Timer2_Timer(); });
    form_.bind("cmdTirar", Event::Click, [this] { game_.cmdTirar_Click(); });
    form_.bind("cmdReset", Event::Click, [this] { game_.cmdReset_Click(); });
}

void GameWindow::show()
{
    form_.window().show();
}

std::unique_ptr<GameWindow> buildGameWindow(const runtime::FormDescription& description)
{
    try {
        return std::make_unique<GameWindow>(description);
    } catch (const runtime::qt::PictureLoadError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        runtime::qt::ModalMessageBox(nullptr, QString::fromUtf8(window::applicationTitle)).show(error.what());
        return nullptr;
    }
}

} // namespace app
