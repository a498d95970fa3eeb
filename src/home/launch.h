#pragma once
// What the home screen's launchers hand over to the drill screens.
#include <QString>
#include <array>
#include <optional>

#include "common/drill_state.h"

namespace home {

class FrmFengmian;

// Everything a unit practice needs, read and checked before the home screen goes away.
struct UnitLaunch {
    int unit = 0;
    int tmCount = 0;
    QString dataExt, txtPath, stepPath, tmPath;
    std::array<int, common::DrillVars::MaxStarts + 1> tmStart{};
    std::array<QString, common::DrillVars::MaxQuestions + 1> tmDone;
    std::array<int, common::DrillVars::MaxQuestions + 1> tmState{};
};

// Reads the unit's question list, its progress line and its question states. Nothing, with a
// message for the candidate in *failure, when the list or the progress line is missing or empty.
std::optional<UnitLaunch> prepareUnitPractice(int unit, QString* failure);
// Writes the drill state of a unit practice.
void applyUnitPractice(const UnitLaunch& launch);
// The unit card's launch: prepares unit practice `unit` from the bank in the drill state's data
// folder and the program folder's progress files, writes its drill state, unloads the home screen
// (when one is given) and shows the drill screens on question 1. False, with a message for the
// candidate in *failure and nothing changed, when the unit cannot start.
bool startUnitPractice(int unit, QString* failure, FrmFengmian* home = nullptr);

// The hand-overs to the drill screens.
// The question panel with the practice captions, then the candidate's desktop; the panel's
// reload timer loads question dqTm.
void showUnitPractice();
// The candidate login of exam set setNo, in place of the home screen.
void showExamLogin(FrmFengmian& home);
// The error review of exam set setNo from its wrong-answer list; the home screen stays, with the
// candidate told why, when the list holds no codes or the review set cannot be built.
bool startErrorReview(FrmFengmian& home);

} // namespace home
