// SPDX-License-Identifier: MIT
#pragma once

#include "game/Sweep.h"
#include "runtime/Controls.h"

namespace game {

// The controls that the handlers touch; the form owns none of them.
struct Form1Controls {
    runtime::PictureBox& Picture1;
    runtime::PictureBox& Picture2;
    runtime::Label& lbl;
    runtime::Timer& Timer1;
    runtime::Timer& Timer2;
    runtime::MessageBox& messageBox;
};

// The shot game: the four event handlers over the form's controls and its sweep state.
// Each handler touches the controls one property access at a time; a RuntimeError from an access ends it.
class Form1 {
public:
    explicit Form1(const Form1Controls& controls);

    // Horizontal sweep: Picture2.Left through HorizontalStops.
    void Timer1_Timer();
    // Vertical sweep: Picture1.Top through VerticalStops.
    void Timer2_Timer();
    // The first throw freezes the horizontal ball and starts the vertical sweep; the second (whenever
    // Timer1 is off) freezes the vertical ball and announces the verdict. Either way stepIndex ends at 0.
    void cmdTirar_Click();
    // A new shot: the sweep state first, then Timer1 on, the prompt cleared, the vertical ball back on top.
    // Timer2 and the horizontal ball are left alone.
    void cmdReset_Click();

    SweepState sweep;

private:
    bool isBasket();

    Form1Controls controls_;
};

} // namespace game
