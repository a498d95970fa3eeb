#pragma once
// What the drill screens (login, hand-in dialogs, results screen, review starts, drill end and
// exam clock) do to the question panel, the candidate's desktop and the home screen.
//
// The question panel is reached through its controls by their names. The panel is built in its
// own files; a control it does not (yet) declare is a null part here, and whatever would touch it
// is skipped, so the drill screens work with the panel as far as it goes.
#include <QString>
#include <functional>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

// The question panel's controls that the drill screens use, by the panel's names.
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

// The parts of a panel form, taken by name from whatever it declares.
template <class Panel> PanelParts panelPartsOf(Panel& p)
{
    PanelParts parts;
    parts.form = &p;
    if constexpr (requires { p.CmdCZTS.Caption(); }) parts.CmdCZTS = &p.CmdCZTS;
    if constexpr (requires { p.Command1.Caption(); }) parts.Command1 = &p.Command1;
    if constexpr (requires { p.CmdEnd.Caption(); }) parts.CmdEnd = &p.CmdEnd;
    if constexpr (requires { p.PicUnit.picture(); }) parts.PicUnit = &p.PicUnit;
    if constexpr (requires { p.LblBiao.Caption(); }) parts.LblBiao = &p.LblBiao;
    if constexpr (requires { p.LblUnit.Caption(); }) parts.LblUnit = &p.LblUnit;
    if constexpr (requires { p.LblTime.Caption(); }) parts.LblTime = &p.LblTime;
    if constexpr (requires { p.PTime.picture(); }) parts.PTime = &p.PTime;
    if constexpr (requires { p.LblTimeJD.Caption(); }) parts.LblTimeJD = &p.LblTimeJD;
    if constexpr (requires {
                      p.CmTNO.Count();
                      p.CmTNO(1).setBackColor(0L);
                  })
        parts.CmTNO = &p.CmTNO;
    if constexpr (requires { p.Image2.setCaption(QString()); }) parts.Image2 = &p.Image2;
    if constexpr (requires { p.TimeKS.onTimer; }) parts.TimeKS = &p.TimeKS;
    if constexpr (requires { p.TimerREDO.onTimer; }) parts.TimerREDO = &p.TimerREDO;
    if constexpr (requires { p.TimStartYS.onTimer; }) parts.TimStartYS = &p.TimStartYS;
    return parts;
}

// The question panel. panel() touches it, which creates and loads it with the drill state of the
// moment (set the state first); loadedPanel() gives it only when it is loaded (empty parts
// otherwise), so asking to unload or stop it never creates one.
PanelParts panel();
PanelParts loadedPanel();
// Where the panel comes from: the parts of the instance, without loading it (tests put a stand-in
// in place; an empty function returns to the program's panel).
void setPanelSource(std::function<PanelParts()> source);

// Panel operations; each skips what the panel lacks.
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
// The time display: "剩余" & minutes & "分钟" and the elapsed share of the 50 minutes as the bar.
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
