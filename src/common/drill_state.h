#pragma once
// The program-wide drill variables, the start-up variables and the current step record. Forms
// read and write the fields directly; there are no behaviours here. Scale factors: scale.h.
//
// Arrays indexed from 1 are sized one larger and index 0 is not used (tmStep[1] .. tmStep[40]);
// tmPic keeps its column 0 (the background). 16-bit and 32-bit values are held as int: the writers
// keep their values in range, and numbers read from files go through common::cint16.
#include <QString>
#include <array>

namespace common {

// The length of a mock exam, minutes: the exam clock starts from it and the time bar shows the
// share of it gone.
constexpr int ExamMinutes = 50;

// DrillMode, the values of ksMode.
enum DrillMode : int { ModeTeaching = 1, ModePractice = 2, ModeExam = 3 };

// TmBits, the bits of one tmState entry.
enum TmBits : int { TmVisited = 1, TmMarked = 2, TmSolved = 4 };

// The drill variables and the current step record, with their values at program
// start: numbers 0, strings empty, flags false, except ksName "Ostrel1" and dataExt ".rar" (setNo 0
// and ysRun false among them). tmStep starts at 0 too: the
// candidate's desktop sets it to all 1 when it loads.
struct DrillVars {
    static constexpr int MaxQuestions = 40; // tmStep, tmState, tmDone, tmPic: 1 To 40
    static constexpr int MaxStarts = 45;    // tmStart: 1 To 45
    static constexpr int PicSlots = 7;      // tmPic columns 0 To 6

    int ksMode = 0;   // DrillMode
    int fileBase = 0; // 0 exam set, 20 unit practice or error review
    int setNo = 0;    // 0-based set or unit; -1 in an error review
    int errSetNo = 0; // the exam set a running review came from
    int tmCount = 0;  // questions in the drill, 1..40
    int dqTm = 0;     // current question, 1..tmCount
    int dqStep = 0;   // current step of the current question on the candidate's desktop, 1-based

    // [1..40] the step at which each question was left
    std::array<int, MaxQuestions + 1> tmStep{};
    // [1..45] first step-file line of each question's block
    std::array<int, MaxStarts + 1> tmStart{};
    // [1..40] question states, TmBits
    std::array<int, MaxQuestions + 1> tmState{};
    // [1..40] completion flags, "T" done, "F" not done
    std::array<QString, MaxQuestions + 1> tmDone;
    // [1..40][0..6] picture codes last shown: 0 the background, 1-6 Image1-Image6
    std::array<std::array<QString, PicSlots>, MaxQuestions + 1> tmPic;

    QString stepPath;                           // the drill's step file
    QString tmPath;                             // the drill's question list
    QString txtPath;                            // the answer-text file
    QString lineBuf;                            // shared line buffer of the question-list readers
    int timeLeft = 0;                           // minutes left of the exam clock
    QString ksStart;                            // login time "yyyy-mm-dd hh:mm:ss", or "-1"
    QString ksName = QStringLiteral("Ostrel1"); // candidate name
    QString ksZwh;                              // seat number
    QString ksCc;                               // the candidate card's "场    次：" value
    QString ksDah;                              // archive number
    QString ksSfz;                              // ID-card number
    bool canUnload = false;                     // the question panel may close
    bool ysRun = false;                         // a demonstration is running
    int imeHkl = 0;                             // keyboard layout chosen in the panel's input-method menu
    QString dataExt = QStringLiteral(".rar");   // extension of every question-bank file

    // Current step record, written only by the two renderers.
    QString stepRec;
};

// The start-up variables, written by the module-information readers and the
// home screen's load.
struct StartupVars {
    QString kmName;    // module short name
    QString kmTitle;   // module display name
    int kmNo = 0;      // module number
    QString dataPath;  // question-bank folder (naming.h: with or without the trailing separator)
    int setCount = 0;  // number of exam sets
    int unitCount = 0; // number of units
};

struct DrillState : DrillVars, StartupVars {
    // Restores the drill variables and stepRec to their values at program start and leaves the
    // start-up variables alone, so the splash may reset after reading the module information.
    void reset() { static_cast<DrillVars&>(*this) = DrillVars{}; }

    // Everything back to program start, the start-up variables too (tests).
    void resetAll() { *this = DrillState{}; }
};

// The one drill state of the program.
DrillState& drill();

} // namespace common
