#pragma once
// The exam clock: the question panel's minute timer TimeKS counts the ExamMinutes of a mock exam
// down on the panel's time display; at 0 the exam is handed in.
//
// The clock runs only while an exam runs: it starts afresh (a full minute, all the exam's minutes shown) at
// every exam start, stops for good at the hand-in, and stops itself at its first tick in any
// other drill. So a finished exam never reaches a time-up over the results or the home screen.
#include "common/drill_state.h"
#include "drill/panel_link.h"

namespace drill {

using common::ExamMinutes;

// Whether a mock exam runs: from its start after the login to its hand-in.
bool examRunning();

// The exam starts: the clock restarts its minute and the display shows all the exam's minutes.
void startExamClock(const PanelParts& p);

// FrmTm.TimeKS_Timer, the minute tick: one minute less, the display follows; at 0 the time-up.
void TimeKS_Timer();

// The time-up: the clock stays at 0, the candidate is told "时间已到，自动交卷！" and the exam is
// handed in, whether or not a hand-in dialog is open.
void timeUp();

namespace detail {
void setExamRunning(bool running);
}

} // namespace drill
