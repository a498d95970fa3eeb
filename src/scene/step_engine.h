#pragma once
// The jump both desktops make by a JumpChar (GoStep): "0" and an empty text name no step; any other
// character names a step of the current question by the jump rule of the step library. A step past
// the question's block is a damaged record: the desktop does not show it (`jumpPastBlock`: the
// candidate's desktop tells the candidate, the demonstration ends).
#include <QString>

#include "common/drill_state.h"
#include "steps/question_block.h"
#include "steps/step.h"

namespace scene {

template <class Desk> void goStep(Desk& desk, const QString& code)
{
    const auto& d = common::drill();
    const steps::Jump jump = steps::jumpIn(code, steps::stepCount(d, d.dqTm));
    if (jump.outcome == steps::Jump::Outcome::ToStep)
        desk.showStep(jump.step);
    else if (jump.outcome == steps::Jump::Outcome::PastBlock)
        desk.jumpPastBlock();
}

} // namespace scene
