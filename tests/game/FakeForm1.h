// SPDX-License-Identifier: MIT
#pragma once

#include "game/Form1.h"
#include "tests/fake/FakeRuntime.h"

// Form1 over fake controls at their start-up values, every access recorded in `log`.
struct FakeForm1 {
    fake::AccessLog log;
    fake::FakePictureBox Picture1{log, "Picture1", 2760, 0};
    fake::FakePictureBox Picture2{log, "Picture2", 840, 1920};
    fake::FakeLabel lbl{log, "lbl"};
    fake::FakeTimer Timer1{log, "Timer1", true};
    fake::FakeTimer Timer2{log, "Timer2", false};
    fake::FakeMessageBox messageBox{log};
    game::Form1 form{{.Picture1 = Picture1,
                      .Picture2 = Picture2,
                      .lbl = lbl,
                      .Timer1 = Timer1,
                      .Timer2 = Timer2,
                      .messageBox = messageBox}};
};
