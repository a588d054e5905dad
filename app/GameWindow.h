// SPDX-License-Identifier: MIT
#pragma once

#include "game/Form1.h"
#include "runtime/qt/QtForm.h"

namespace app {

// Form1 built from its description, with the game's four handlers bound to its events.
class GameWindow {
public:
    GameWindow();

    runtime::qt::QtForm& form() { return form_; }
    game::Form1& game() { return game_; }
    void show();

private:
    runtime::qt::QtForm form_;
    game::Form1 game_;
};

} // namespace app
