// SPDX-License-Identifier: MIT
#include "game/Form1.h"

#include <string>

#include "game/ScoringWindows.h"

namespace game {

using runtime::False16;
using runtime::True16;

namespace {

const std::string secondBallPrompt = "Ahora tirá la otra pelota";
const std::string basketMessage = "Encestaste!!!!!!!";
const std::string missMessage = "Erraste";

} // namespace

Form1::Form1(const Form1Controls& controls)
    : controls_(controls)
{
}

void Form1::Timer1_Timer()
{
    sweepTick(sweep, HorizontalStops, [this](float left) { controls_.Picture2.setLeft(left); });
}

void Form1::Timer2_Timer()
{
    sweepTick(sweep, VerticalStops, [this](float top) { controls_.Picture1.setTop(top); });
}

void Form1::cmdTirar_Click()
{
    if (runtime::isTrue(controls_.Timer1.enabled())) {
        controls_.Timer1.setEnabled(False16);
        controls_.lbl.setCaption(secondBallPrompt);
        controls_.Timer2.setEnabled(True16);
    } else {
        controls_.Timer2.setEnabled(False16);
        controls_.lbl.setCaption("");
        controls_.messageBox.show(isBasket() ? basketMessage : missMessage);
    }
    sweep.stepIndex = 0;
}

void Form1::cmdReset_Click()
{
    sweep = SweepState{};
    controls_.Timer1.setEnabled(True16);
    controls_.lbl.setCaption("");
    controls_.Picture1.setTop(VerticalStops[0]);
}

bool Form1::isBasket()
{
    // Each test makes both of its comparisons, reading the position afresh for each; the vertical test
    // is made only when the horizontal one holds.
    const bool pastLeftLimit = controls_.Picture2.left() > horizontalLowerLimit;
    const bool beforeRightLimit = controls_.Picture2.left() < horizontalUpperLimit;
    if (!(pastLeftLimit && beforeRightLimit))
        return false;
    const bool belowUpperLimit = controls_.Picture1.top() < verticalUpperLimit;
    const bool aboveLowerLimit = controls_.Picture1.top() > verticalLowerLimit;
    return belowUpperLimit && aboveLowerLimit;
}

} // namespace game
