// SPDX-License-Identifier: MIT
#include "game/Form1.h"

namespace game {

Form1::Form1(const Form1Controls& controls)
    : controls_(controls) {}

void Form1::Timer1_Timer() {
    sweepTick(sweep, HorizontalStops, [this](float left) { controls_.Picture2.setLeft(left); });
}

void Form1::Timer2_Timer() {
    sweepTick(sweep, VerticalStops, [this](float top) { controls_.Picture1.setTop(top); });
}

} // namespace game
