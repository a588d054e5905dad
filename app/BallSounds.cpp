// SPDX-License-Identifier: MIT
#include "app/BallSounds.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "game/ScoringWindows.h"
#include "game/StopTables.h"
#include "window/Identity.h"

namespace app {

namespace {

enum Voice : std::size_t { horizontalVoice, verticalVoice };

// D4 for the horizontal ball; the vertical ball falls an octave and a half from D6 at the top stop.
constexpr double horizontalHertz = 293.66;
constexpr double topHertz = 1174.66;
constexpr double verticalOctaves = 1.5;

// Where `value` stands from the first stop of `stops` (0) to the last (1).
double placeAlong(const game::StopTable& stops, float value)
{
    return std::clamp((value - stops.front()) / (stops.back() - stops.front()), 0.0f, 1.0f);
}

// A major chord on the target: unmistakable, and no harsher than the single tone.
runtime::sound::Tone toneAt(double hertz, double pan, bool overTarget)
{
    if (overTarget)
        return {{hertz, hertz * 5 / 4, hertz * 3 / 2}, pan};
    return {{hertz}, pan};
}

// The tone of the horizontal ball at `left`, and of the vertical ball at `top` (twips).
runtime::sound::Tone horizontalBallTone(float left)
{
    return toneAt(horizontalHertz, 2 * placeAlong(game::HorizontalStops, left) - 1,
                  game::scoresHorizontally(left));
}

runtime::sound::Tone verticalBallTone(float top)
{
    const double hertz = topHertz * std::exp2(-verticalOctaves * placeAlong(game::VerticalStops, top));
    return toneAt(hertz, 0, game::scoresVertically(top));
}

} // namespace

BallSounds::HeardBall::HeardBall(runtime::PictureBox& ball, bool movesAcross,
                                 std::function<void(float)> heard)
    : ball_(ball)
    , movesAcross_(movesAcross)
    , heard_(std::move(heard))
{
}

void BallSounds::HeardBall::setLeft(float twips)
{
    ball_.setLeft(twips);
    if (movesAcross_)
        heard_(twips);
}

void BallSounds::HeardBall::setTop(float twips)
{
    ball_.setTop(twips);
    if (!movesAcross_)
        heard_(twips);
}

BallSounds::BallSounds(runtime::PictureBox& horizontalBall, runtime::PictureBox& verticalBall)
    : horizontal_(horizontalBall, true,
                  [this](float left) { play(horizontalVoice, horizontalBallTone(left)); })
    , vertical_(verticalBall, false, [this](float top) { play(verticalVoice, verticalBallTone(top)); })
{
}

BallSounds::~BallSounds() = default;

void BallSounds::setOn(bool on)
{
    if (!on)
        server_.reset();
    else if (!server_)
        server_ = std::make_unique<runtime::sound::SoundServer>(
            window::applicationTitle, std::vector<std::string>{"pelota horizontal", "pelota vertical"});
}

void BallSounds::play(std::size_t voice, const runtime::sound::Tone& tone)
{
    if (server_)
        server_->play(voice, tone);
}

} // namespace app
