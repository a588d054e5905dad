// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "tests/game/FakeForm1.h"

// The phase of a shot is the pair of timer states; the game keeps no phase of its own.
enum class Phase { HorizontalSweep, VerticalSweep, ShotResolved, DoubleSweep };
enum class GameEvent { Timer1Tick, Timer2Tick, TirarClick, ReiniciarClick };

inline const std::string secondBallPrompt = "Ahora tirá la otra pelota";

inline Phase phaseOf(bool timer1, bool timer2)
{
    if (timer1)
        return timer2 ? Phase::DoubleSweep : Phase::HorizontalSweep;
    return timer2 ? Phase::VerticalSweep : Phase::ShotResolved;
}

inline Phase phaseOf(const FakeForm1& fake)
{
    return phaseOf(runtime::isTrue(fake.Timer1.storedEnabled()),
                   runtime::isTrue(fake.Timer2.storedEnabled()));
}

// Puts the fake form in `phase`, its label as that phase shows it, and clears the log.
inline void enterPhase(FakeForm1& fake, Phase phase)
{
    const bool timer1 = phase == Phase::HorizontalSweep || phase == Phase::DoubleSweep;
    const bool timer2 = phase == Phase::VerticalSweep || phase == Phase::DoubleSweep;
    fake.Timer1.setEnabled(runtime::toBoolean16(timer1));
    fake.Timer2.setEnabled(runtime::toBoolean16(timer2));
    fake.lbl.setCaption(phase == Phase::VerticalSweep ? secondBallPrompt : "");
    fake.log.clear();
}

// Ticks reach the game only while their timer is enabled.
inline bool canHappen(const FakeForm1& fake, GameEvent event)
{
    switch (event) {
    case GameEvent::Timer1Tick:
        return runtime::isTrue(fake.Timer1.storedEnabled());
    case GameEvent::Timer2Tick:
        return runtime::isTrue(fake.Timer2.storedEnabled());
    default:
        return true;
    }
}

inline void fire(FakeForm1& fake, GameEvent event)
{
    switch (event) {
    case GameEvent::Timer1Tick:
        return fake.form.Timer1_Timer();
    case GameEvent::Timer2Tick:
        return fake.form.Timer2_Timer();
    case GameEvent::TirarClick:
        return fake.form.cmdTirar_Click();
    case GameEvent::ReiniciarClick:
        return fake.form.cmdReset_Click();
    }
}
