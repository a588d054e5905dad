// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "app/BallSounds.h"
#include "app/SoundSwitch.h"
#include "game/Form1.h"
#include "runtime/FormDescription.h"
#include "runtime/qt/Form.h"
#include "window/Form1Description.h"

namespace app {

// Form1 built from its description, with the game's four handlers bound to its events, and the balls heard
// when the sounds are on (BallSounds, SoundSwitch).
class GameWindow {
public:
    // Form1's own description, or another with the same controls.
    explicit GameWindow(const runtime::FormDescription& description = window::form1Description());

    runtime::qt::Form& form() { return form_; }
    game::Form1& game() { return game_; }
    void show();

private:
    runtime::qt::Form form_;
    BallSounds sounds_;
    game::Form1 game_;
    SoundSwitch soundSwitch_;
};

// The game's window built from `description`, or nothing when one of its pictures cannot be decoded; the
// player is then told why, on standard error and in a message box titled with the application title.
std::unique_ptr<GameWindow> buildGameWindow(const runtime::FormDescription& description);

} // namespace app
