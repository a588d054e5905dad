// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include "runtime/Controls.h"
#include "runtime/sound/SoundServer.h"

namespace app {

// The balls heard: while on, every move of a ball gives a short tone that tells where it stands, as the eye
// sees it. The horizontal ball is a low tone placed between the loudspeakers by its place from left to
// right; the vertical ball a higher tone whose pitch falls as it goes down. Over the target (where the game
// says a throw scores) each tone becomes a major chord. A move is a written position, so a tick that moves
// nothing is silent, and so is the game while no ball moves (a shot resolved, the verdict box open).
//
// The handlers reach the balls through pictureBox(): every access goes through to the real control, in the
// same order, and a move is heard only once it has been made.
class BallSounds {
public:
    BallSounds(runtime::PictureBox& horizontalBall, runtime::PictureBox& verticalBall);
    ~BallSounds();

    runtime::PictureBox& horizontalBall() { return horizontal_; }
    runtime::PictureBox& verticalBall() { return vertical_; }

    bool isOn() const { return server_ != nullptr; }
    // Off, nothing is loaded or connected; on again, the sound server is asked afresh.
    void setOn(bool on);

private:
    // A picture box whose moves along one axis are heard.
    class HeardBall : public runtime::PictureBox {
    public:
        HeardBall(runtime::PictureBox& ball, bool movesAcross, std::function<void(float)> heard);

        float left() override { return ball_.left(); }
        void setLeft(float twips) override;
        float top() override { return ball_.top(); }
        void setTop(float twips) override;

    private:
        runtime::PictureBox& ball_;
        bool movesAcross_;
        std::function<void(float)> heard_;
    };

    void play(std::size_t voice, const runtime::sound::Tone& tone);

    HeardBall horizontal_;
    HeardBall vertical_;
    std::unique_ptr<runtime::sound::SoundServer> server_;
};

} // namespace app
