#pragma once
// What the drill screens (login, hand-in dialogs, results screen, review starts, drill end and
// exam clock) do to the question panel, the candidate's desktop and the home screen.
//
// The question panel is reached through its controls by their names; the operations below take
// those controls as a PanelParts, so tests can run the drill screens over a stand-in panel.
#include <QString>
#include <functional>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

// The question panel's controls that the drill screens use, by the panel's names. Empty parts
// (no form) stand for a panel that is not there; the operations then do nothing.
struct PanelParts {
    platform::Form* form = nullptr;
    platform::Label* CmdCZTS = nullptr;  // mode caption: "考生信息" / "手把手教"
    platform::Label* Command1 = nullptr; // mode caption: "操作提示" / "操作演示"
    platform::Label* CmdEnd = nullptr;   // mode caption: "结束考试" / "结束练习" / "结束复习"
    platform::PictureBox* PicUnit = nullptr;
    platform::Label* LblBiao = nullptr;
    platform::Label* LblUnit = nullptr;
    platform::Label* LblTime = nullptr;
    platform::PictureBox* PTime = nullptr;
    platform::Label* LblTimeJD = nullptr;
    platform::CommandButtonArray* CmTNO = nullptr; // question buttons 1-40
    platform::CommandButton* Image2 = nullptr;     // the illustration button
    platform::Timer* TimeKS = nullptr;             // the exam clock
    platform::Timer* TimerREDO = nullptr;          // one-shot question (re)load
    platform::Timer* TimStartYS = nullptr;         // deferred demonstration start

    explicit operator bool() const { return form != nullptr; }
};

// The parts of a panel form, by their names: the program's question panel, or a stand-in of it.
template <class Panel> PanelParts panelPartsOf(Panel& p)
{
    return PanelParts{&p,         &p.CmdCZTS, &p.Command1, &p.CmdEnd,    &p.PicUnit,
                      &p.LblBiao, &p.LblUnit, &p.LblTime,  &p.PTime,     &p.LblTimeJD,
                      &p.CmTNO,   &p.Image2,  &p.TimeKS,   &p.TimerREDO, &p.TimStartYS};
}

// The question panel. panel() touches it, which creates and loads it with the drill state of the
// moment (set the state first), and installs the program's panel for the candidate's desktop;
// loadedPanel() gives it only when it is loaded (empty parts otherwise), so asking to unload or
// stop it never creates one.
PanelParts panel();
PanelParts loadedPanel();
// Where the panel comes from: the parts of the instance, without loading it (tests put a stand-in
// in place; an empty function returns to the program's panel).
void setPanelSource(std::function<PanelParts()> source);
// The program's question panel installed for the candidate's desktop (common::questionPanel),
// created when the desktop first asks for it. Every drill start does it, through panel(); a
// desktop shown without a drill (a test of the desktop alone) reaches the panel once this is done.
void installPanel();

// Panel operations.
void setCaptions(const PanelParts& p, const QString& czts, const QString& command1, const QString& end);
void setExamCaptions(const PanelParts& p);   // "考生信息", "操作提示", "结束考试"
void setReviewCaptions(const PanelParts& p); // "手把手教", "操作演示", "结束复习"
QString endCaption(const PanelParts& p);
void showUnitBox(const PanelParts& p, bool visible);
void setTitle(const PanelParts& p, const QString& biao, const QString& unit);
// Question buttons 1..count shown, the others hidden: a drill never offers a question it lacks.
void offerQuestions(const PanelParts& p, int count);
void resetQuestionColours(const PanelParts& p); // back to the button face
void reloadQuestion(const PanelParts& p);       // TimerREDO: loads question dqTm shortly
void stopDrillTimers(const PanelParts& p);      // TimeKS, TimStartYS, TimerREDO
// The time display: "剩余" & minutes & "分钟" and the elapsed share of the exam's minutes as the bar.
void showTime(const PanelParts& p, int minutesLeft);
// Puts the panel's bottom-right corner on the candidate's desktop's.
void dockAtDesktop(const PanelParts& p);

// The candidate's desktop.
void showDesktop();
void unloadDesktop();

// Forms that the drill screens do not own, reached by name: the home screen ("FrmFengmian") and
// the illustration viewer ("FrmPicture").
platform::Form* formNamed(const QString& name);
// The hand-over to the home screen at the end of every drill and from the login and the results
// screen: shows the home screen, which loads itself afresh.
void showHomeScreen();
// Hides the illustration viewer when it is open and gives the panel's button its first caption.
void hideIllustration(const PanelParts& p);

} // namespace drill
